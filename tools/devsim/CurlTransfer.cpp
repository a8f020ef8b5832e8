#include "tools/devsim/CurlTransfer.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace devsim {
namespace {

constexpr auto kTransferLimit = std::chrono::seconds(20);

// One running client: its process, its scratch file and the SET's pending answer.
struct Transfer {
    pid_t pid = -1;
    std::string scratch;
    std::function<void(int)> finish;
    unsigned int alarm = 0;
    std::chrono::steady_clock::time_point deadline;
};

void EndTransfer(Transfer* transfer, int status) {
    snmp_alarm_unregister(transfer->alarm);
    if (!transfer->scratch.empty())
        std::remove(transfer->scratch.c_str());
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

struct HeldRun {
    std::vector<std::string> args;
    std::string scratch;
    std::function<void(int)> finish;
};

bool g_holding = false;
std::string g_source;

std::vector<HeldRun>& Held() {
    static std::vector<HeldRun> held;
    return held;
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

void AnswerAfter(long seconds, std::function<void(int)> finish) {
    auto* held = new std::function<void(int)>(std::move(finish));
    snmp_alarm_register_hr(
        timeval{seconds, 1000}, 0,
        [](unsigned int, void* data) {
            auto* answer = static_cast<std::function<void(int)>*>(data);
            (*answer)(SNMP_ERR_NOERROR);
            delete answer;
        },
        held);
}

std::string TemporaryFile() {
    std::string file = std::filesystem::temp_directory_path().string() + "/devsim-XXXXXX";
    const int fd = mkstemp(file.data());
    if (fd < 0)
        return "";
    ::close(fd);
    return file;
}

void SetTransferSource(const std::string& address) {
    g_source = address;
}

void HoldTransfers() {
    g_holding = true;
}

size_t ReleaseTransfers() {
    g_holding = false;
    std::vector<HeldRun> runs;
    runs.swap(Held());
    for (HeldRun& run : runs)
        RunCurl(run.args, run.scratch, std::move(run.finish));
    return runs.size();
}

size_t HeldTransfers() {
    return Held().size();
}

void RunCurl(const std::vector<std::string>& args, const std::string& scratch,
             std::function<void(int)> finish) {
    if (g_holding) {
        Held().push_back({args, scratch, std::move(finish)});
        return;
    }
    std::vector<std::string> all = {"curl"};
    if (!g_source.empty())
        all.insert(all.end(), {"--interface", g_source});
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, "curl", nullptr, nullptr, argv.data(), environ) != 0) {
        if (!scratch.empty())
            std::remove(scratch.c_str());
        finish(SNMP_ERR_GENERR);
        return;
    }
    auto* transfer =
        new Transfer{pid, scratch, std::move(finish), 0, std::chrono::steady_clock::now() + kTransferLimit};
    timeval every{0, 50000};
    transfer->alarm = snmp_alarm_register_hr(every, SA_REPEAT, &PollTransfer, transfer);
}

} // namespace devsim
