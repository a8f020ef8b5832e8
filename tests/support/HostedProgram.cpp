#include "tests/support/HostedProgram.h"

#include "platform/NamedMutex.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
std::string AccountHome(const TempDir& dir) {
    return dir.File("account");
}
// Never made: the scratch account has no session.
std::string AccountRuntime(const TempDir& dir) {
    return dir.File("account-runtime");
}
} // namespace

HostedProgram::HostedProgram() {
    setenv("XDG_RUNTIME_DIR", Dir_.Path().c_str(), 1);
    const LockAccount account{AccountHome(Dir_), AccountRuntime(Dir_)};
    SetLockAccount(&account);
    std::filesystem::create_directories(Dir_.File("host/bin"));
    std::filesystem::create_directories(Dir_.File("host/Conf/MBF"));
    std::filesystem::create_directories(Dir_.File("run"));
    Dir_.Write("registry.ini",
               "[SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath]\nPath=" + Dir_.File("host/bin/") + "\n");
}

HostedProgram::~HostedProgram() {
    Kill();
    SetLockAccount(nullptr);
}

pid_t HostedProgram::Start(const std::vector<std::string>& parameters,
                           const std::vector<std::pair<std::string, std::string>>& extraEnv) {
    const char* binDir = std::getenv("KTX_BIN_DIR");
    const std::string program = std::string(binDir != nullptr ? binDir : ".") + "/ktx7593ap-hosted";
    // Everything the child needs is prepared here, so it only calls into the system after fork.
    std::vector<std::pair<std::string, std::string>> env{{"QT_QPA_PLATFORM", "offscreen"},
                                                         {"KTX_MESSAGE_LOG", Dir_.File("messages.log")},
                                                         {"KTX_REGISTRY_FILE", Dir_.File("registry.ini")},
                                                         {"XDG_DATA_HOME", Dir_.File("data")},
                                                         {"KTX_TEST_ACCOUNT_HOME", AccountHome(Dir_)},
                                                         {"KTX_TEST_ACCOUNT_RUNTIME", AccountRuntime(Dir_)}};
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    const std::string run = Dir_.File("run");
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& p : parameters)
        argv.push_back(const_cast<char*>(p.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(run.c_str()) != 0)
            _exit(127);
        for (const auto& [name, value] : env)
            setenv(name.c_str(), value.c_str(), 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    if (pid > 0)
        Running_.push_back(pid);
    return pid;
}

int HostedProgram::WaitExit(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::erase(Running_, pid);
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() > end)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void HostedProgram::Kill() {
    for (pid_t pid : Running_) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    Running_.clear();
}

void HostedProgram::WriteCfg(const std::string& address, const std::string& text) const {
    Dir_.Write("host/Conf/MBF/" + address + ".cfg", text);
}

std::string HostedProgram::ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
