#pragma once
// A simulated device with the request tests' objects, the global session, and requests aimed at
// the device under each protocol version.
#include "library/snmp/NxSNMPRequest.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/Clock.h"
#include "snmpengine/Usm.h"
#include "tests/support/DevSim.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace requesttest {

inline const std::string Base = "1.3.6.1.4.1.48113.11.37.99";

struct Version {
    const char* Name;
    uint8_t Number;
    const char* User;
    int32_t Auth;
    int32_t Priv;
};

inline const Version V1{"v1", 0, "", 0, 0};
inline const Version V2c{"v2c", 1, "", 0, 0};
inline const Version V3Md5Des{"v3md5des", 3, "md5des", AuthProtocol::HmacMd5, PrivProtocol::Des};
inline const Version V3ShaAes{"v3shaaes", 3, "shaaes", AuthProtocol::HmacSha, PrivProtocol::Aes128};
inline const char AuthPass[] = "authpass1";
inline const char PrivPass[] = "privpass1";

inline void PrintTo(const Version& version, std::ostream* out) {
    *out << version.Name;
}

inline std::string VersionName(const ::testing::TestParamInfo<Version>& info) {
    return info.param.Name;
}

// Scalars under Base.1: read-write name, level, address, octets and station; read-only counter,
// up time, big counter and identifier; the last row is switched off.
inline const VarDef Scalars[] = {Row("1.1", "name", SYN_DISPLAYSTR, ACC_READWRITE),
                                 Row("1.2", "level", SYN_INTEGER, ACC_READWRITE),
                                 Row("1.3", "address", SYN_IPADDRESS, ACC_READWRITE),
                                 Row("1.4", "count", SYN_COUNTER, ACC_READONLY),
                                 Row("1.5", "up", SYN_TIMETICKS, ACC_READONLY),
                                 Row("1.6", "octets", SYN_OCTETSTR, ACC_READWRITE),
                                 Row("1.7", "big", SYN_COUNTER64, ACC_READONLY),
                                 Row("1.8", "id", SYN_OBJECTID, ACC_READONLY),
                                 Row("1.9", "station", SYN_MACADDRESS, ACC_READWRITE),
                                 Row("1.10", "off", SYN_INTEGER, ACC_READWRITE | ACC_INVALID),
                                 EndOfRows()};

// The two-key table under Base.2.1; the keys are not readable, so they come from the index.
inline const VarDef TableRows[] = {Row("2.1.1", "k1", SYN_INTEGER, ACC_NOTACCESS),
                                   Row("2.1.2", "k2", SYN_INTEGER, ACC_NOTACCESS),
                                   Row("2.1.3", "name", SYN_DISPLAYSTR, ACC_READWRITE),
                                   Row("2.1.4", "level", SYN_INTEGER, ACC_READWRITE),
                                   Row("2.1.5", "address", SYN_IPADDRESS, ACC_READONLY),
                                   Row("2.1.6", "station", SYN_MACADDRESS, ACC_READWRITE),
                                   EndOfRows()};

// The agent's last objects: a one-key column whose walk runs into the end of the view, and the
// same table with both columns, where one column leaves the table while the other ends the view.
inline const VarDef LastRows[] = {Row("1.3.9.1.1.1", "key", SYN_INTEGER, ACC_NOTACCESS),
                                  Row("1.3.9.1.1.2", "value", SYN_INTEGER, ACC_READONLY), EndOfRows()};
inline const VarDef LastTwoColumns[] = {Row("1.3.9.1.1.1", "key", SYN_INTEGER, ACC_NOTACCESS),
                                        Row("1.3.9.1.1.1", "first", SYN_INTEGER, ACC_READONLY),
                                        Row("1.3.9.1.1.2", "second", SYN_INTEGER, ACC_READONLY), EndOfRows()};

// What the walk of TableRows reads: keys, name, level, address, station.
inline const std::vector<std::string> TableText = {
    "1 1 one-one 11 10.0.1.1 000000000011", "1 2 one-two 12 (NOTDONE) 000000000012",
    "2 1 two-one 21 10.0.2.1 000000000021", "3 4 three-four 34 10.0.3.4 000000000034"};

inline std::string RowsText(const NxSNMPVarList& list) {
    std::string text;
    for (int i = 0; i < list.RowCount(); ++i)
        text += (i ? " " : "") + *list.GetRow(i)->Value;
    return text;
}

inline void OpenSessionOnce() {
    static const bool opened = [] {
        char pattern[] = "/tmp/ktx-requests-XXXXXX";
        const std::string folder = mkdtemp(pattern);
        OpenGlobalSession(folder);
        std::filesystem::remove_all(folder);
        return true;
    }();
    (void)opened;
}

// Runs the event loop until done() holds or the time is up; false on time-out.
inline bool PumpUntil(const std::function<bool()>& done, int millis = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > millis)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        Sleep(1);
    }
    return true;
}

inline void PumpFor(int millis) {
    PumpUntil([] { return false; }, millis);
}

class RequestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenSessionOnce();
        DevSimOptions options;
        options.dataFile = std::string(std::getenv("KTX_SOURCE_DIR")) + "/tests/snmp/data/requests.txt";
        options.users = {{"md5des", "MD5", AuthPass, "DES", PrivPass},
                         {"shaaes", "SHA", AuthPass, "AES", PrivPass}};
        sim = std::make_unique<DevSim>(options);
    }

    // A request on one of the lists above, aimed at the simulator.
    std::unique_ptr<NxSNMPRequest> Request(const VarDef* table, uint8_t itemType, int32_t keyCount,
                                           const Version& version, const std::string& base = Base) {
        auto request = std::make_unique<NxSNMPRequest>();
        request->VarList = NxSNMPVarList(table, itemType, keyCount);
        request->VarList.BaseOID = base;
        // SNMPv1 has no 64-bit counters: an agent refuses the whole PDU for one.
        if (version.Number == 0)
            for (int i = 0; i < request->VarList.RowCount(); ++i)
                if (request->VarList.GetRow(i)->Syntax == SYN_COUNTER64)
                    request->VarList.GetRow(i)->Access |= ACC_INVALID;
        Aim(*request, version);
        return request;
    }

    void Aim(NxSNMPRequest& request, const Version& version) {
        request.Device.Address = sim->Address();
        request.Device.Port = static_cast<uint16_t>(sim->Port());
        request.Security.Version = version.Number;
        request.Security.ReadCommunity = "public";
        request.Security.WriteCommunity = "private";
        if (version.Number == 3) {
            request.Security.SecurityModel = 3;
            request.Security.SecurityLevel = 3;
            request.Security.SecurityName = version.User;
            request.Security.AuthProtocol = version.Auth;
            request.Security.PrivProtocol = version.Priv;
            request.Security.AuthPassword = AuthPass;
            request.Security.PrivPassword = PrivPass;
        }
    }

    // The simulator's log lines of one kind of PDU.
    std::vector<DevSimLogLine> Logged(const std::string& pdu) const {
        std::vector<DevSimLogLine> lines;
        for (const DevSimLogLine& line : sim->Log())
            if (line.pdu == pdu)
                lines.push_back(line);
        return lines;
    }

    std::unique_ptr<DevSim> sim;
};

class VersionTest : public RequestTest, public ::testing::WithParamInterface<Version> {};

} // namespace requesttest
