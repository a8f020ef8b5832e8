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
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kApMode = "1.3.6.1.4.1.48113.11.37.4.2.1.1.1.7.1";

// Every writable object of the named data files, with the device's value now.
std::map<std::string, std::string> Values(DevSim& sim, const std::vector<std::string>& files) {
    std::map<std::string, std::string> values;
    for (const std::string& file : files) {
        std::ifstream in(std::string(KTX_TEST_SOURCE_DIR) + "/tools/devsim/data/" + file);
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            std::string oid, type, access;
            if (fields >> oid >> type >> access && oid[0] != '#' && access == "rw")
                values[oid] = sim.Command("get " + oid);
        }
    }
    return values;
}

struct Form {
    const char* Name;
    std::vector<std::string> Data; // the data files of the objects it may write
    std::string Setting;           // "OID VALUE" the device holds for the case, or empty
    std::function<std::unique_ptr<QDialog>()> Make;
    std::function<bool(QDialog&)> Idle;
    std::function<std::vector<QPushButton*>(QDialog&)> Applies;
};

template <class T> std::unique_ptr<QDialog> Make() {
    return std::make_unique<T>();
}
template <class T> bool AccessIdle(QDialog& d) {
    return static_cast<T&>(d).Idle != 0;
}
bool Always(QDialog&) {
    return true;
}

const Form kForms[] = {
    {"LAN",
     {"lan.txt", "shared-objects.txt"},
     "",
     Make<TFM_LanCfg>,
     Always,
     [](QDialog& d) { return std::vector<QPushButton*>{static_cast<TFM_LanCfg&>(d).BT_LanCfgOk}; }},
    {"grouping",
     {"grouping.txt"},
     "",
     Make<TFM_Group>,
     Always,
     [](QDialog& d) { return std::vector<QPushButton*>{static_cast<TFM_Group&>(d).Bt_Apply}; }},
    {"WLAN partition",
     {"grouping.txt"},
     "",
     Make<TFM_WLANPart>,
     Always,
     [](QDialog& d) { return std::vector<QPushButton*>{static_cast<TFM_WLANPart&>(d).BT_Apply}; }},
    {"Ethernet MAC ACL",
     {"acl.txt", "shared-objects.txt"},
     "",
     Make<TFM_EthernetFilter>,
     AccessIdle<TFM_EthernetFilter>,
     [](QDialog& d) { return std::vector<QPushButton*>{static_cast<TFM_EthernetFilter&>(d).Bt_Apply}; }},
    {"wireless IP ACL",
     {"acl.txt"},
     "",
     Make<TFM_WIPACL>,
     AccessIdle<TFM_WIPACL>,
     [](QDialog& d) { return std::vector<QPushButton*>{static_cast<TFM_WIPACL&>(d).Bt_Apply}; }},
    {"wireless MAC ACL",
     {"acl.txt"},
     "",
     Make<TFM_WMACACL>,
     AccessIdle<TFM_WMACACL>,
     [](QDialog& d) { return std::vector<QPushButton*>{static_cast<TFM_WMACACL&>(d).Bt_Apply}; }},
    {"DHCP",
     {"dhcp.txt"},
     "1.3.6.1.4.1.48113.11.37.4.3.7.1.0 1" /* the server on: the pool is written */,
     Make<TFM_DHCP>,
     [](QDialog& d) {
         auto& f = static_cast<TFM_DHCP&>(d);
         return !f.Busy && !f.UsedRowList->Busy && !f.DynamicLeaseRequest->Busy &&
                !f.StaticLeaseRequest->Busy && !f.SystemAddressRequest->Busy;
     },
     [](QDialog& d) {
         auto& f = static_cast<TFM_DHCP&>(d);
         return std::vector<QPushButton*>{f.Bt_Apply, f.StaticApply};
     }},
    {"rogue AP",
     {"rogue.txt"},
     "",
     Make<TFM_RogueForm>,
     [](QDialog& d) { return static_cast<TFM_RogueForm&>(d).Idle(); },
     [](QDialog& d) { return std::vector<QPushButton*>{static_cast<TFM_RogueForm&>(d).Apply_Btn}; }},
};

class UntouchedApplyTest : public FormTest {};

TEST_F(UntouchedApplyTest, LeavesTheDeviceAsItWasAndNothingIsWrittenWhileAFormOpens) {
    enum class ApMode { Plain, NotInAnyList, Refused };
    for (const Form& form : kForms)
        for (const ApMode mode : {ApMode::Plain, ApMode::NotInAnyList, ApMode::Refused}) {
            SCOPED_TRACE(std::string(form.Name) + " AP mode case " + std::to_string(int(mode)));
            Device->Sim().Command("set " + kApMode + (mode == ApMode::NotInAnyList ? " 9" : " 0"));
            if (mode == ApMode::Refused)
                Device->Sim().Command("fail " + kApMode + " genErr");
            if (!form.Setting.empty())
                Device->Sim().Command("set " + form.Setting);
            const auto before = Values(Device->Sim(), form.Data);
            ASSERT_FALSE(before.empty());
            Device->Sim().ClearLog();
            std::unique_ptr<QDialog> dialog = form.Make();
            ASSERT_TRUE(ShowActive(*dialog));
            ASSERT_TRUE(PumpUntil([&] { return form.Idle(*dialog); }));
            Device->Sim().Command("unfail " + kApMode);
            EXPECT_TRUE(Device->Received("SET").empty());
            for (QPushButton* apply : form.Applies(*dialog)) {
                apply->click();
                ASSERT_TRUE(PumpUntil([&] { return form.Idle(*dialog); }));
            }
            EXPECT_EQ(Values(Device->Sim(), form.Data), before);
            dialog.reset();
            Device->Messages().Boxes.clear();
        }
}

} // namespace
