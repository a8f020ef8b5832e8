#include "tests/devsim/PeerTool.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

namespace {

// The tools would otherwise write /var/lib/snmp as root and load every MIB file they find.
const std::string& PeerDir() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/ktx-peer.XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made ? made : "/tmp");
    }();
    return dir;
}

} // namespace

PeerResult RunPeer(const std::string& tool, const std::string& args) {
    std::string command = "env MIBS= SNMP_PERSISTENT_DIR=" + PeerDir() + " SNMPCONFPATH=" + PeerDir() +
                          "/none " + tool + " " + args + " 2>&1";
    PeerResult r;
    auto start = std::chrono::steady_clock::now();
    FILE* p = popen(command.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.output.append(buf, n);
    int status = pclose(p);
    r.millis = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count());
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}
