// The device's log: get-log uploads it to the station's TFTP server with a real TFTP client (curl)
// and answers the SET when the upload has ended; clear-log empties it.
#include "tools/devsim/Device.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace devsim {
namespace {

constexpr int64_t kGet = 1;
constexpr int64_t kClear = 1;
constexpr auto kUploadLimit = std::chrono::seconds(20);

const char kSampleLog[] = "Jan  1 00:00:01\t[System]System started\n"
                          "Jan  1 00:00:05\t[Wireless]Radio 1 up on channel 6\n"
                          "Jan  1 00:01:10\t[Notice] Administrator logged in\n";

Oid LogOid(std::initializer_list<unsigned long> tail) {
    Oid oid = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 6, 5};
    oid.insert(oid.end(), tail);
    oid.push_back(0);
    return oid;
}

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

struct LogBook {
    std::string text;
    std::string stateDir;
};

// One running upload: the client process, the copy it sends and the SET's pending answer.
struct Upload {
    pid_t pid = -1;
    std::string file;
    std::function<void(int)> finish;
    unsigned int alarm = 0;
    std::chrono::steady_clock::time_point deadline;
};

void EndUpload(Upload* upload, int status) {
    snmp_alarm_unregister(upload->alarm);
    std::remove(upload->file.c_str());
    auto finish = std::move(upload->finish);
    delete upload;
    finish(status);
}

void PollUpload(unsigned int, void* data) {
    auto* upload = static_cast<Upload*>(data);
    int wstatus = 0;
    pid_t done = waitpid(upload->pid, &wstatus, WNOHANG);
    if (done == 0) {
        if (std::chrono::steady_clock::now() < upload->deadline)
            return;
        kill(upload->pid, SIGKILL);
        waitpid(upload->pid, &wstatus, 0);
        EndUpload(upload, SNMP_ERR_GENERR);
        return;
    }
    bool ok = done == upload->pid && WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0;
    EndUpload(upload, ok ? SNMP_ERR_NOERROR : SNMP_ERR_GENERR);
}

// Sends the log as `name` to the TFTP server at address:port; finish runs when the client ends.
void StartUpload(const LogBook& book, const std::string& address, int port, const std::string& name,
                 std::function<void(int)> finish) {
    std::string file = book.stateDir + "/upload-XXXXXX";
    int fd = mkstemp(file.data());
    if (fd < 0) {
        finish(SNMP_ERR_GENERR);
        return;
    }
    bool written = ::write(fd, book.text.data(), book.text.size()) == static_cast<ssize_t>(book.text.size());
    ::close(fd);
    const std::string url = "tftp://" + address + ":" + std::to_string(port) + "/" + name;
    std::vector<std::string> args = {"curl", "-s", "--max-time", "5", "-T", file, url};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (!written || name.empty() || posix_spawnp(&pid, "curl", nullptr, nullptr, argv.data(), environ) != 0) {
        std::remove(file.c_str());
        finish(SNMP_ERR_GENERR);
        return;
    }
    auto* upload =
        new Upload{pid, file, std::move(finish), 0, std::chrono::steady_clock::now() + kUploadLimit};
    timeval every{0, 50000};
    upload->alarm = snmp_alarm_register_hr(every, SA_REPEAT, &PollUpload, upload);
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

void InstallLogHooks(Device& device) {
    auto book = std::make_shared<LogBook>();
    const Options& options = device.Settings();
    book->text = options.deviceLogFile.empty() ? kSampleLog : ReadWhole(options.deviceLogFile);
    book->stateDir = std::filesystem::temp_directory_path().string();
    HookTable& hooks = device.Hooks();

    ObjectHooks getLog;
    getLog.validate = [](const Object&, const Value& v) {
        return v.number == kGet || v.number == 2 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
    getLog.answerLater = [&device, book](Object& o, std::function<void(int)> finish) {
        if (o.value.number != kGet) {
            finish(SNMP_ERR_NOERROR);
            return;
        }
        const Object* server = device.Store().Find(LogOid({1, 1}));
        const Object* name = device.Store().Find(LogOid({1, 2}));
        if (!server || !name) {
            finish(SNMP_ERR_GENERR);
            return;
        }
        StartUpload(*book, DottedQuad(server->value.bytes), StationTftpPort(device.Settings()),
                    name->value.bytes, std::move(finish));
    };
    getLog.commit = [](Object& o) { o.value = o.initial; };
    hooks.Add(LogOid({1, 3}), getLog);

    ObjectHooks clearLog;
    clearLog.validate = [](const Object&, const Value& v) {
        return v.number == kClear || v.number == 2 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
    clearLog.commit = [book](Object& o) {
        if (o.value.number == kClear)
            book->text.clear();
        o.value = o.initial;
    };
    hooks.Add(LogOid({2, 6}), clearLog);
}

} // namespace devsim
