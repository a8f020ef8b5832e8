#include "tests/support/FormTestFixture.h"

#include "library/snmp/NxSNMPSession.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// One session for the whole process, as in the program; its boot counter lives in a private folder.
void EnsureGlobalSession() {
    if (GlobalSnmpSession)
        return;
    // Lives to the end of the process with the session, then goes with the other statics.
    static TempDir counterFolder;
    OpenGlobalSession(counterFolder.Path());
}

} // namespace

SimulatedDeviceSession::SimulatedDeviceSession(const DevSimOptions& options)
    : Sim_(std::make_unique<DevSim>(options)) {
    EnsureGlobalSession();
    UseDevice();
}

SimulatedDeviceSession::~SimulatedDeviceSession() = default;

void SimulatedDeviceSession::UseDevice() {
    DefaultSNMPDevice.Address = Sim_->Address();
    DefaultSNMPDevice.Port = static_cast<uint16_t>(Sim_->Port());
    DefaultSNMPSecurity.Version = 1;
    DefaultSNMPSecurity.ReadCommunity = "public";
    DefaultSNMPSecurity.WriteCommunity = "private";
}

std::vector<DevSimLogLine> SimulatedDeviceSession::Received(const std::string& pduType) const {
    std::vector<DevSimLogLine> out;
    for (const auto& line : Sim_->Log())
        if (line.pdu == pduType)
            out.push_back(line);
    return out;
}

std::map<std::string, std::string> SimulatedDeviceSession::Values(const std::string& prefix) {
    std::map<std::string, std::string> values;
    const std::filesystem::path data =
        std::filesystem::path(std::getenv("KTX_SOURCE_DIR")) / "tools/devsim/data";
    for (const auto& file : std::filesystem::directory_iterator(data)) {
        std::ifstream in(file.path());
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            std::string oid, type, access;
            if (fields >> oid >> type >> access && access == "rw" && oid.rfind(prefix, 0) == 0)
                try {
                    values[oid] = Sim_->Command("get " + oid);
                } catch (const std::runtime_error&) {
                    // a group the device leaves out
                }
        }
    }
    return values;
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMillis) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMillis)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        Sleep(2);
    }
    return true;
}
