#pragma once
// The simulator's command line.

#include "tools/devsim/Value.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace devsim {

struct V3User {
    std::string name;
    std::string authProto; // MD5, SHA or none
    std::string authPass;
    std::string privProto; // DES, AES or none
    std::string privPass;
};

struct Failure {
    Oid oid;
    int status = 0;
};

struct Options {
    std::string listenAddress = "127.0.0.1";
    int listenPort = 16100;
    std::string dataFile; // empty: the bundled device data
    std::string stateDir; // empty: a private temporary folder
    std::string logFile;
    std::string communityRo = "public";
    std::string communityRw = "private";
    std::vector<V3User> users;
    double restartSeconds = 20;
    std::vector<Oid> omitted;
    std::vector<Failure> failures;
    std::string deviceLogFile;        // the device's own log that get-log uploads; empty: a short sample
    bool logAnswerFirst = false;      // get-log's SET is answered at once, before its upload runs
    std::string deviceAddress;        // the address the device reports; empty: the listen address
    std::string deviceMask;           // its mask; empty with deviceAddress: the listen network's
    std::string sntpFile;             // the time-zone list get-list uploads; empty: a 75-line sample
    std::string sntpUpload = "after"; // get-list answers "after" the upload, "before" it, or uploads "none"
    int tftpPort = 0;                 // the station's TFTP port; 0: KTX_TFTP_PORT when valid, else 69
    bool control = true;              // read commands from stdin; end of input ends the simulator
    bool verbose = false;
};

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws UsageError.
Options ParseOptions(int argc, char** argv);
const char* UsageText();

// "noSuchName", "genErr", ... or a number 0..18; -1 when unknown.
int ParseErrorStatus(const std::string& text);
// "MD5:pass:..." users; throws UsageError.
V3User ParseV3User(const std::string& text);

} // namespace devsim
