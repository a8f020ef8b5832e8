#include "tests/support/DevSim.h"
#include "tests/support/FreePort.h"

#include <arpa/inet.h>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#ifndef KTX_DEFAULT_BIN_DIR
#define KTX_DEFAULT_BIN_DIR ""
#endif

namespace {

long NowMillis() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000L + ts.tv_nsec / 1000000L;
}

std::string BinDir() {
    const char* env = std::getenv("KTX_BIN_DIR");
    return env && *env ? env : KTX_DEFAULT_BIN_DIR;
}

// True when the process has ended; its exit code, or -1 after a signal, goes to code.
bool WaitExit(pid_t pid, int millis, int& code) {
    long end = NowMillis() + millis;
    while (true) {
        int status = 0;
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return true;
        }
        if (r < 0)
            return true;
        if (NowMillis() >= end)
            return false;
        usleep(5000);
    }
}

} // namespace

DevSim::DevSim(const DevSimOptions& options) {
    // A simulator that died must show as a failed command, not end the test by SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    char pattern[] = "/tmp/ktx-devsim-test.XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("DevSim: cannot create a temporary folder");
    workDir_ = pattern;
    std::filesystem::create_directories(workDir_ + "/state");
    logPath_ = workDir_ + "/pdu.log";
    for (int attempt = 0; attempt < 5; ++attempt) {
        int port = FreeUdpPort();
        if (port && Launch(options, port)) {
            port_ = port;
            return;
        }
        Stop();
    }
    std::error_code ec;
    std::filesystem::remove_all(workDir_, ec);
    throw std::runtime_error("DevSim: ktx-devsim did not start (binary " + BinDir() + "/ktx-devsim)");
}

DevSim::~DevSim() {
    Stop();
    std::error_code ec;
    std::filesystem::remove_all(workDir_, ec);
}

std::string DataWithProfiles(const std::string& where, const std::vector<std::string>& profiles) {
    namespace fs = std::filesystem;
    const fs::path folder = where;
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(BinDir() + "/devsim"))
        fs::copy_file(entry.path(), folder / entry.path().filename(), fs::copy_options::overwrite_existing);
    for (const auto& name : profiles)
        fs::copy_file(BinDir() + "/devsim-profiles/" + name, folder / ("zz-" + name),
                      fs::copy_options::overwrite_existing);
    return folder.string();
}

bool DevSim::Launch(const DevSimOptions& options, int port) {
    std::vector<std::string> args = {BinDir() + "/ktx-devsim",
                                     "--listen",
                                     "127.0.0.1:" + std::to_string(port),
                                     "--state-dir",
                                     workDir_ + "/state",
                                     "--log",
                                     logPath_};
    if (!options.dataFile.empty())
        args.insert(args.end(), {"--data", options.dataFile});
    else if (!options.deviceAddress.empty())
        args.insert(args.end(), {"--device-address", options.deviceAddress});
    if (options.restartSeconds >= 0)
        args.insert(args.end(), {"--restart-seconds", std::to_string(options.restartSeconds)});
    for (const auto& u : options.users)
        args.insert(args.end(), {"--v3-user", u.name + ":" + u.authProto + ":" + u.authPass + ":" +
                                                  u.privProto + ":" + u.privPass});
    args.insert(args.end(), options.extraArgs.begin(), options.extraArgs.end());

    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0)
        return false;
    if (pipe2(out, O_CLOEXEC) != 0) {
        close(in[0]);
        close(in[1]);
        return false;
    }
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        // Sockets of the test (an engine's session, say) must not stay open in the simulator.
        close_range(3, ~0U, 0);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toChild_ = in[1];
    fromChild_ = out[0];
    if (pid_ < 0)
        return false;
    std::string line;
    return ReadLine(line, 5000) && line == "ready";
}

bool DevSim::ReadLine(std::string& line, int timeoutMillis) {
    long end = NowMillis() + timeoutMillis;
    while (true) {
        size_t nl = pending_.find('\n');
        if (nl != std::string::npos) {
            line = pending_.substr(0, nl);
            pending_.erase(0, nl + 1);
            return true;
        }
        long left = end - NowMillis();
        if (left <= 0 || fromChild_ < 0)
            return false;
        pollfd p{fromChild_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        char buf[4096];
        ssize_t n = read(fromChild_, buf, sizeof buf);
        if (n <= 0)
            return false;
        pending_.append(buf, static_cast<size_t>(n));
    }
}

std::string DevSim::Command(const std::string& line) {
    std::string text = line + "\n";
    if (toChild_ < 0 || write(toChild_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        throw std::runtime_error("DevSim: the simulator is not running");
    std::string output, reply;
    while (ReadLine(reply, 5000)) {
        if (reply == "ok")
            return output;
        if (reply.rfind("error", 0) == 0)
            throw std::runtime_error("DevSim: " + line + ": " + reply);
        output += reply + "\n";
    }
    throw std::runtime_error("DevSim: no answer to " + line);
}

std::vector<DevSimLogLine> DevSim::Log() const {
    std::vector<DevSimLogLine> lines;
    std::ifstream in(logPath_, std::ios::binary);
    std::string text;
    while (std::getline(in, text))
        if (auto r = devsim::ParseLogRecord(text))
            lines.push_back(*r);
    return lines;
}

int DevSim::Stop() {
    int code = -1;
    if (toChild_ >= 0)
        close(toChild_);
    toChild_ = -1;
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        if (!WaitExit(pid_, 3000, code)) {
            kill(pid_, SIGKILL);
            WaitExit(pid_, 3000, code);
            code = -1;
        }
    }
    pid_ = -1;
    if (fromChild_ >= 0)
        close(fromChild_);
    fromChild_ = -1;
    pending_.clear();
    return code;
}
