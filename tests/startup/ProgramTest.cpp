// The real program, started as the host starts it, without a display.
#include "platform/NamedMutex.h"
#include "tests/support/HostedProgram.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

class Program : public ::testing::Test {
  protected:
    void SetUp() override { host.WriteCfg("127.0.0.1", "[Program Information]\nAgentPort=1\nVersion=1\n"); }
    void TearDown() override { host.Kill(); }

    pid_t Start(const std::vector<std::string>& parameters) { return host.Start(parameters); }
    int WaitExit(pid_t pid, std::chrono::milliseconds limit) { return host.WaitExit(pid, limit); }
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
    std::string Log() const { return HostedProgram::ReadFile(dir.File("messages.log")); }

    HostedProgram host;
    const TempDir& dir = host.Dir();
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
    EXPECT_FALSE(std::filesystem::exists(dir.File("run/NxSNMP_PP_BootCounter")));
}

// A file-size limit makes the program's writes fail; it does not end the program.
TEST_F(Program, IgnoresTheFileSizeSignal) {
    const pid_t pid = Start({"/I127.0.0.1", "/Rpublic"});
    ASSERT_TRUE(WaitLocked("KTX-7593AP : 127.0.0.1", 10s)) << Log();
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    unsigned long long ignored = 0;
    while (std::getline(status, line))
        if (line.rfind("SigIgn:", 0) == 0)
            ignored = std::stoull(line.substr(7), nullptr, 16);
    EXPECT_NE(ignored & (1ULL << (SIGXFSZ - 1)), 0u) << std::hex << ignored;
}

// One lock per device and account whatever the environment of either start: a second one from
// cron, su or a service (no XDG_RUNTIME_DIR) or with another XDG_DATA_HOME and HOME still meets
// the first. The lock lives in the account's program folder below its home.
TEST_F(Program, OneInstancePerUserWhateverTheEnvironment) {
    const std::string caption = "KTX-7593AP : 127.0.0.1";
    using Env = std::vector<std::pair<std::string, std::string>>;
    const struct {
        const char* Name;
        Env First, Second;
    } cases[] = {
        {"runtime folder unset", {{"XDG_RUNTIME_DIR", dir.Path()}}, {{"XDG_RUNTIME_DIR", ""}}},
        {"another data folder and home",
         {},
         {{"XDG_DATA_HOME", dir.File("data2")}, {"HOME", dir.File("home2")}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove(dir.File("messages.log"));
        const pid_t first = host.Start({"/I127.0.0.1", "/Rpublic"}, c.First);
        EXPECT_TRUE(WaitLocked(caption, 10s)) << Log();
        const pid_t second = host.Start({"/I127.0.0.1", "/Rpublic"}, c.Second);
        EXPECT_EQ(WaitExit(second, 10s), 0);
        EXPECT_EQ(Log(), "MessageBox\tWarning\tAnother KTX7593AP module is running!\tOK\tOK\n");
        EXPECT_EQ(WaitExit(first, 0ms), -1);
        EXPECT_EQ(NamedMutexFolder(), dir.File("account/.local/share/ktx7593ap"));
        host.Kill();
    }
}

// A runtime folder that is not the user's own (here /tmp) is not used for the lock: a lock file
// another account made there and holds stops nothing; two starts of one user for one device still meet.
TEST_F(Program, OneInstancePerUserWhenTheRuntimeFolderIsShared) {
    const std::string caption = "KTX-7593AP : 127.0.0.1";
    const std::string name = std::filesystem::path(NamedMutexLockPath(caption)).filename();
    const std::string shared = "/tmp/" + name;
    const int held = open(shared.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_GE(held, 0);
    if (geteuid() == 0 && fchown(held, 4321, 4321) != 0)
        ADD_FAILURE() << "chown";
    ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
    const std::vector<std::pair<std::string, std::string>> env = {{"XDG_RUNTIME_DIR", "/tmp"}};
    const pid_t first = host.Start({"/I127.0.0.1", "/Rpublic"}, env);
    const bool locked = WaitLocked(caption, 10s);
    const pid_t second = host.Start({"/I127.1", "/Rpublic"}, env);
    const int secondExit = WaitExit(second, 10s);
    close(held);
    unlink(shared.c_str());
    EXPECT_TRUE(locked) << Log();
    EXPECT_EQ(secondExit, 0) << "127.1 is the device 127.0.0.1";
    EXPECT_EQ(Log(), "MessageBox\tWarning\tAnother KTX7593AP module is running!\tOK\tOK\n");
    EXPECT_EQ(WaitExit(first, 0ms), -1);
}

// Message files and a boot counter that are no regular files hold nothing up: each is
// named in one Warning box, and the main window comes up with its lock, its session and the
// built-in texts. A counter that can be neither moved aside nor replaced counts in memory.
TEST_F(Program, FilesThatAreNoRegularFilesAreSkippedAndTheStartGoesOn) {
    std::filesystem::create_directories(dir.File("run/errmsg"));
    ASSERT_EQ(::mkfifo(dir.File("run/errmsg/common.err").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("run/errmsg/snmp.err"));
    const std::string counter = dir.File("data/ktx7593ap/NxSNMP_PP_BootCounter");
    const struct {
        bool Blocked;
        std::string Counter;
        std::vector<std::pair<std::string, std::string>> Env;
    } cases[] = {{false, " held no usable count and was replaced by a fresh one.", {}},
                 {true, " could not be written: this session keeps its count in memory only.", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Blocked ? "blocked" : "replaced");
        std::filesystem::remove_all(dir.File("data"));
        std::filesystem::remove(dir.File("messages.log"));
        std::filesystem::create_directories(counter + "/inside");
        if (c.Blocked)
            std::filesystem::create_directories(counter + ".bad/earlier");
        ::chmod(dir.File("data").c_str(), 0700);
        ::chmod(dir.File("data/ktx7593ap").c_str(), 0700);

        const pid_t pid = host.Start({"/I127.0.0.1", "/Rpublic"}, c.Env);
        EXPECT_TRUE(WaitLocked("KTX-7593AP : 127.0.0.1", 10s)) << Log();
        EXPECT_EQ(WaitExit(pid, 0ms), -1);
        const std::string log = Log();
        EXPECT_EQ(log.rfind("MessageBox\tWarning\t", 0), 0u) << log;
        std::vector<std::string> texts{"The boot counter file " + counter + c.Counter,
                                       "The file errmsg/common.err was not read: it is not a regular file.",
                                       "The file errmsg/snmp.err was not read: it is not a regular file."};
        for (const std::string& text : texts)
            EXPECT_NE(log.find(text), std::string::npos) << text << "\n" << log;
        EXPECT_EQ(std::filesystem::is_regular_file(counter), !c.Blocked);
        EXPECT_TRUE(std::filesystem::is_directory(counter + ".bad/inside") != c.Blocked);
        host.Kill();
    }
}

// Program folders of another account end the start with a message that names the folder.
TEST_F(Program, AProgramFolderOfAnotherAccountEndsTheStart) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand folders to another account";
    const std::string data = dir.File("data/ktx7593ap");
    const std::string home = dir.File("home/.local/share/ktx7593ap");
    for (const std::string& folder : {data, home}) {
        std::filesystem::create_directories(folder);
        ASSERT_EQ(chown(folder.c_str(), 4321, 4321), 0);
    }
    const pid_t pid = host.Start({"/I127.0.0.1", "/Rpublic"}, {{"HOME", dir.File("home")}});
    EXPECT_EQ(WaitExit(pid, 10s), 0);
    EXPECT_EQ(Log(), "MessageBox\tError\tThe folder " + home +
                         "/ for the program's files is not safe: it must belong to this user, have mode 0700 "
                         "and not be a link.\tOK\tOK\n");
    EXPECT_FALSE(std::filesystem::exists(home + "/NxSNMP_PP_BootCounter"));
}

} // namespace
