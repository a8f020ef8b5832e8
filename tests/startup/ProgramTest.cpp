// The real program, started as the host starts it, without a display.
#include "platform/NamedMutex.h"
#include "tests/support/TempDir.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

class Program : public ::testing::Test {
  protected:
    void SetUp() override {
        // The test reads the program's lock files, so both look in the same runtime folder.
        setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
        std::filesystem::create_directories(dir.File("host/bin"));
        std::filesystem::create_directories(dir.File("host/Conf/MBF"));
        std::filesystem::create_directories(dir.File("run"));
        dir.Write("registry.ini",
                  "[SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath]\nPath=" + dir.File("host/bin/") + "\n");
        dir.Write("host/Conf/MBF/127.0.0.1.cfg", "[Program Information]\nAgentPort=1\nVersion=1\n");
    }
    void TearDown() override {
        for (pid_t pid : running) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    pid_t Start(const std::vector<std::string>& parameters) {
        const std::string program = std::string(std::getenv("KTX_BIN_DIR")) + "/ktx7593ap";
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir(dir.File("run").c_str()) != 0)
                _exit(127);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("KTX_MESSAGE_LOG", dir.File("messages.log").c_str(), 1);
            setenv("KTX_REGISTRY_FILE", dir.File("registry.ini").c_str(), 1);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 2);
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (const std::string& p : parameters)
                argv.push_back(const_cast<char*>(p.c_str()));
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        running.push_back(pid);
        return pid;
    }
    // The exit status, or -1 when the program still runs after the time.
    int WaitExit(pid_t pid, std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        for (;;) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::erase(running, pid);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (std::chrono::steady_clock::now() > end)
                return -1;
            std::this_thread::sleep_for(20ms);
        }
    }
    // True once another process holds the single-instance lock of the caption.
    bool WaitLocked(const std::string& caption, std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            const int fd = open(NamedMutexLockPath(caption).c_str(), O_RDONLY | O_CLOEXEC);
            if (fd >= 0) {
                const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
                close(fd); // also drops a lock this probe got
                if (held)
                    return true;
            }
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }
    std::string Log() const {
        std::ifstream in(dir.File("messages.log"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempDir dir;
    std::vector<pid_t> running;
};

TEST_F(Program, WithoutParametersItShowsWhoStartsItAndEnds) {
    const pid_t pid = Start({});
    EXPECT_EQ(WaitExit(pid, 10s), 0);
    EXPECT_EQ(Log(), "MessageBox\t\tThis module is only used in the Orbisk or HP-Openview.\tOK\tOK\n");
}

TEST_F(Program, OneInstancePerDevice) {
    const pid_t first = Start({"/I127.0.0.1", "/Rpublic"});
    ASSERT_TRUE(WaitLocked("KTX-7593AP : 127.0.0.1", 10s)) << Log();

    const pid_t second = Start({"/I127.0.0.1", "/Rpublic"});
    EXPECT_EQ(WaitExit(second, 10s), 0);
    EXPECT_EQ(Log(), "MessageBox\tWarning\tAnother KTX7593AP module is running!\tOK\tOK\n");

    const pid_t other = Start({"/I127.0.0.2"});
    EXPECT_TRUE(WaitLocked("KTX-7593AP : 127.0.0.2", 10s));
    EXPECT_EQ(WaitExit(other, 300ms), -1) << "a different device runs beside the first";
    EXPECT_EQ(WaitExit(first, 0ms), -1);
    EXPECT_TRUE(std::filesystem::exists(dir.File("run/NxSNMP_PP_BootCounter")));
}

} // namespace
