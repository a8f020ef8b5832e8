#include "tools/devsim/TftpClient.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace devsim {
namespace {

std::string Url(const std::string& address, int port, const std::string& name) {
    return "tftp://" + address + ":" + std::to_string(port) + "/" + name;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

void TftpSend(const std::string& contents, const std::string& address, int port, const std::string& name,
              std::function<void(int)> finish) {
    const std::string file = name.empty() ? std::string() : TemporaryFile();
    bool written = false;
    if (!file.empty()) {
        std::ofstream out(file, std::ios::binary);
        written = bool(out << contents) || contents.empty();
    }
    if (!written) {
        if (!file.empty())
            std::remove(file.c_str());
        finish(SNMP_ERR_GENERR);
        return;
    }
    RunCurl({"-s", "--max-time", "5", "-T", file, Url(address, port, name)}, file, std::move(finish));
}

void TftpFetch(const std::string& address, int port, const std::string& name,
               std::function<void(const std::string&)> received, std::function<void(int)> finish) {
    const std::string file = name.empty() ? std::string() : TemporaryFile();
    if (file.empty()) {
        finish(SNMP_ERR_GENERR);
        return;
    }
    // The fetched copy is read before it goes, so the run keeps it and this removes it.
    RunCurl({"-s", "--max-time", "5", "-o", file, Url(address, port, name)}, std::string(),
            [file, received = std::move(received), finish = std::move(finish)](int status) {
                if (status == SNMP_ERR_NOERROR && received)
                    received(ReadWhole(file));
                std::remove(file.c_str());
                finish(status);
            });
}

} // namespace devsim
