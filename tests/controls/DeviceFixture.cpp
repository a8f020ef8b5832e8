#include "tests/controls/DeviceFixture.h"

#include "library/snmp/NxSNMPSession.h"
#include "library/snmp/NxSNMPValue.h"

#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace {

std::string SourceDir() {
    const char* env = std::getenv("KTX_SOURCE_DIR");
    return env && *env ? env : KTX_TEST_SOURCE_DIR;
}

void OpenSessionOnce() {
    static bool opened = false;
    if (opened)
        return;
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "ktx-controls-XXXXXX").string();
        return std::string(mkdtemp(pattern.data()));
    }();
    OpenGlobalSession(folder);
    opened = true;
}

} // namespace

void DeviceFixture::SetUp() {
    DevSimOptions options;
    options.dataFile = SourceDir() + "/tests/controls/data/controls.txt";
    sim = std::make_unique<DevSim>(options);
    OpenSessionOnce();
    DefaultSNMPDevice.Address = sim->Address();
    DefaultSNMPDevice.Port = uint16_t(sim->Port());
    DefaultSNMPSecurity.Version = 1;
    DefaultSNMPSecurity.ReadCommunity = "public";
    DefaultSNMPSecurity.WriteCommunity = "private";
    DefaultSNMPTimeout = 100;
}

void DeviceFixture::TearDown() {
    sim.reset();
}

std::vector<std::string> DeviceFixture::SetsLogged() const {
    std::vector<std::string> out;
    for (const DevSimLogLine& line : sim->Log()) {
        if (line.pdu != "SET")
            continue;
        bool bytes = false; // octet strings that are no plain text are compared in hex
        for (unsigned char c : line.value)
            bytes = bytes || c < 0x20 || c > 0x7E;
        out.push_back(line.oid + "=" + (bytes ? HexText(line.value) : line.value));
    }
    return out;
}

int DeviceFixture::PdusLogged(const std::string& pdu) const {
    std::set<long> numbers;
    for (const DevSimLogLine& line : sim->Log())
        if (line.pdu == pdu)
            numbers.insert(line.pduNumber);
    return int(numbers.size());
}

bool WaitUntil(const std::function<bool()>& done, int millis) {
    return QTest::qWaitFor(done, millis);
}
