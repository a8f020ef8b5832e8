#pragma once
// Runs the simulated device (build/bin/ktx-devsim) for one test: a free loopback port, a private
// state folder and PDU log, the control channel, and a clean stop when the object goes away.

#include "tools/devsim/LogFormat.h"

#include <string>
#include <sys/types.h>
#include <vector>

struct DevSimUser {
    std::string name;
    std::string authProto = "MD5"; // MD5, SHA or none
    std::string authPass;
    std::string privProto = "DES"; // DES, AES or none
    std::string privPass;
};

struct DevSimOptions {
    std::string dataFile;               // empty: the bundled device data
    std::vector<DevSimUser> users;      // SNMPv3 users
    double restartSeconds = -1;         // below 0: the simulator's default
    std::vector<std::string> extraArgs; // e.g. {"--omit", "1.3.6...", "--fail", "OID=genErr"}
    // The address the bundled data reports for the device, as the tests know it; empty: the
    // simulator's own default (the address it listens on).
    std::string deviceAddress = "192.168.1.1/255.255.255.0";
};

// pdu (GET, GETNEXT, GETBULK, SET), oid, type, value, pduNumber, version (v1, v2c, v3)
using DevSimLogLine = devsim::LogRecord;

// Copies the bundled data and the named files of devsim-profiles/ (other variants of the device)
// into folder and returns it, for DevSimOptions::dataFile.
std::string DataWithProfiles(const std::string& folder, const std::vector<std::string>& profiles);

class DevSim {
  public:
    // Throws std::runtime_error when the simulator does not come up.
    explicit DevSim(const DevSimOptions& options = {});
    ~DevSim();
    DevSim(const DevSim&) = delete;
    DevSim& operator=(const DevSim&) = delete;

    int Port() const { return port_; }
    std::string Address() const { return "127.0.0.1"; }
    std::string Target() const { return Address() + ":" + std::to_string(port_); } // for the peer tools

    // Sends one control line and waits for "ok"; returns the lines before it (e.g. "value ..." of
    // get). Throws std::runtime_error on "error ..." or when no answer comes.
    std::string Command(const std::string& line);

    std::vector<DevSimLogLine> Log() const;
    void ClearLog() { Command("clearlog"); }

    // Stops the simulator (the destructor does it too): its exit status, 0 after a clean
    // shutdown, -1 when it had to be killed or was gone already.
    int Stop();

    const std::string& LogPath() const { return logPath_; }
    const std::string& WorkDir() const { return workDir_; }

  private:
    bool Launch(const DevSimOptions& options, int port);
    bool ReadLine(std::string& line, int timeoutMillis);

    std::string workDir_;
    std::string logPath_;
    int port_ = 0;
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string pending_;
};
