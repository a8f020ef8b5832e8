#pragma once
// Runs one of Net-SNMP's command-line tools against the simulator and keeps what it printed.

#include <string>

struct PeerResult {
    int exitCode = -1;
    std::string output; // stdout and stderr together
    long millis = 0;
};

// args go to the tool unquoted; numeric OIDs and output (-On) are the caller's choice. The tools
// get a private persistent folder and no MIB files.
PeerResult RunPeer(const std::string& tool, const std::string& args);
