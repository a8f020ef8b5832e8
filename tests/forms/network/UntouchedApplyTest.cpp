// The network forms against the simulated device: an Apply the user did not touch leaves every
// setting of the device as it was, whether the form opened plainly, with the AP mode at a value no
// list offers, or with the AP mode refused; and no form writes while it opens.
#include "forms/network/Dhcp.h"
#include "forms/network/Ethfilter.h"
#include "forms/network/Group.h"
#include "forms/network/Lan.h"
#include "forms/network/Rogueap.h"
#include "forms/network/Wipacl.h"
#include "forms/network/Wlanpart.h"
#include "forms/network/Wmacacl.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormTestFixture.h"

#include <QPushButton>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::string kApMode = "1.3.6.1.4.1.48113.11.37.4.2.1.1.1.7.1";

// Every writable object of the named data files, with the device's value now.
std::map<std::string, std::string> Values(DevSim& sim, const std::vector<std::string>& files) {
    std::map<std::string, std::string> values;
    for (const std::string& file : files) {
        std::ifstream in(std::string(KTX_TEST_SOURCE_DIR) + "/tools/devsim/data/" + file);
        for (std::string line, oid, type, access; std::getline(in, line);)
            if (std::istringstream(line) >> oid >> type >> access && oid[0] != '#' && access == "rw")
                values[oid] = sim.Command("get " + oid);
    }
    return values;
}

template <class T> std::unique_ptr<TSettingsForm> Make() {
    return std::make_unique<T>();
}

// Idle: nothing the form waits for, the DHCP form's leases and system address included.
bool Idle(TSettingsForm& form) {
    auto* dhcp = dynamic_cast<TFM_DHCP*>(&form);
    return !form.BusyNow() &&
           (!dhcp || (!dhcp->DynamicLeaseRequest->Busy && !dhcp->StaticLeaseRequest->Busy &&
                      !dhcp->SystemAddressRequest->Busy));
}

TEST(UntouchedApply, LeavesTheDeviceAsItWasAndNothingIsWrittenWhileAFormOpens) {
    struct Form {
        std::vector<std::string> Data; // the data files of the objects it may write
        std::string Setting;           // "OID VALUE" the device holds for the case, or empty
        std::unique_ptr<TSettingsForm> (*Open)();
    };
    const Form forms[] = {
        {{"lan.txt", "shared-objects.txt"}, "", Make<TFM_LanCfg>},
        {{"grouping.txt"}, "", Make<TFM_Group>},
        {{"grouping.txt"}, "", Make<TFM_WLANPart>},
        {{"acl.txt"}, "", Make<TFM_EthernetFilter>},
        {{"acl.txt"}, "", Make<TFM_WIPACL>},
        {{"acl.txt"}, "", Make<TFM_WMACACL>},
        {{"dhcp.txt"}, "1.3.6.1.4.1.48113.11.37.4.3.7.1.0 1", Make<TFM_DHCP>}, // on: the pool is written
        {{"rogue.txt"}, "", Make<TFM_RogueForm>},
    };
    SimulatedDeviceSession device;
    DevSim& sim = device.Sim();
    for (const Form& f : forms)
        for (const char* apMode : {"0", "9", "refused"}) {
            const bool refused = std::string(apMode) == "refused";
            sim.Command(refused ? "fail " + kApMode + " genErr" : "set " + kApMode + " " + apMode);
            if (!f.Setting.empty())
                sim.Command("set " + f.Setting);
            const auto before = Values(sim, f.Data);
            sim.ClearLog();
            std::unique_ptr<TSettingsForm> form = f.Open();
            SCOPED_TRACE(form->windowTitle().toStdString() + ", AP mode " + apMode);
            ASSERT_TRUE(ShowActive(*form));
            ASSERT_TRUE(PumpUntil([&] { return Idle(*form); }));
            sim.Command("unfail " + kApMode);
            EXPECT_TRUE(device.Received("SET").empty());
            for (QPushButton* button : form->findChildren<QPushButton*>())
                if (button->text() == "Apply") {
                    button->click();
                    ASSERT_TRUE(PumpUntil([&] { return Idle(*form); }));
                }
            EXPECT_FALSE(device.Received("SET").empty());
            EXPECT_EQ(Values(sim, f.Data), before);
        }
}

} // namespace
