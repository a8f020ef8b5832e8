#include "tools/devsim/TftpClient.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace devsim {
namespace {

constexpr auto kTransferLimit = std::chrono::seconds(20);

// One running transfer: the client process, its local copy of the file and the SET's pending answer.
struct Transfer {
    pid_t pid = -1;
    std::string file;
    std::function<void(const std::string&)> received; // fetches only
    std::function<void(int)> finish;
    unsigned int alarm = 0;
    std::chrono::steady_clock::time_point deadline;
};

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void EndTransfer(Transfer* transfer, int status) {
    snmp_alarm_unregister(transfer->alarm);
    if (status == SNMP_ERR_NOERROR && transfer->received)
        transfer->received(ReadWhole(transfer->file));
    std::remove(transfer->file.c_str());
    auto finish = std::move(transfer->finish);
    delete transfer;
    finish(status);
}

void PollTransfer(unsigned int, void* data) {
    auto* transfer = static_cast<Transfer*>(data);
    int wstatus = 0;
    pid_t done = waitpid(transfer->pid, &wstatus, WNOHANG);
    if (done == 0) {
        if (std::chrono::steady_clock::now() < transfer->deadline)
            return;
        kill(transfer->pid, SIGKILL);
        waitpid(transfer->pid, &wstatus, 0);
        EndTransfer(transfer, SNMP_ERR_GENERR);
        return;
    }
    bool ok = done == transfer->pid && WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0;
    EndTransfer(transfer, ok ? SNMP_ERR_NOERROR : SNMP_ERR_GENERR);
}

// A private file for the client to read from or write into; empty on failure.
std::string NewLocalFile(const std::string& contents) {
    std::string file = (std::filesystem::temp_directory_path() / "devsim-tftp-XXXXXX").string();
    int fd = mkstemp(file.data());
    if (fd < 0)
        return {};
    bool written = ::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
    ::close(fd);
    if (!written) {
        std::remove(file.c_str());
        return {};
    }
    return file;
}

void Run(bool send, const std::string& contents, const std::string& address, int port,
         const std::string& name, std::function<void(const std::string&)> received,
         std::function<void(int)> finish) {
    std::string file = name.empty() ? std::string() : NewLocalFile(send ? contents : std::string());
    if (file.empty()) {
        finish(SNMP_ERR_GENERR);
        return;
    }
    const std::string url = "tftp://" + address + ":" + std::to_string(port) + "/" + name;
    std::vector<std::string> args = {"curl", "-s", "--max-time", "5", send ? "-T" : "-o", file, url};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, "curl", nullptr, nullptr, argv.data(), environ) != 0) {
        std::remove(file.c_str());
        finish(SNMP_ERR_GENERR);
        return;
    }
    auto* transfer = new Transfer{pid,
                                  file,
                                  std::move(received),
                                  std::move(finish),
                                  0,
                                  std::chrono::steady_clock::now() + kTransferLimit};
    timeval every{0, 50000};
    transfer->alarm = snmp_alarm_register_hr(every, SA_REPEAT, &PollTransfer, transfer);
}

} // namespace

int StationTftpPort(const Options& options) {
    if (options.tftpPort > 0)
        return options.tftpPort;
    if (const char* text = std::getenv("KTX_TFTP_PORT")) {
        char* end = nullptr;
        long port = std::strtol(text, &end, 10);
        if (*text && *end == 0 && port > 0 && port < 65536)
            return static_cast<int>(port);
    }
    return 69;
}

std::string DottedQuad(const std::string& bytes) {
    if (bytes.size() != 4)
        return "0.0.0.0";
    std::string text;
    for (size_t i = 0; i < 4; ++i)
        text += (i ? "." : "") + std::to_string(static_cast<unsigned char>(bytes[i]));
    return text;
}

void TftpSend(const std::string& contents, const std::string& address, int port, const std::string& name,
              std::function<void(int)> finish) {
    Run(true, contents, address, port, name, nullptr, std::move(finish));
}

void TftpFetch(const std::string& address, int port, const std::string& name,
               std::function<void(const std::string&)> received, std::function<void(int)> finish) {
    Run(false, {}, address, port, name, std::move(received), std::move(finish));
}

} // namespace devsim
