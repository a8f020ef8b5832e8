#include "platform/NamedMutex.h"
#include "platform/LastError.h"

#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <signal.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string UniqueCaption(const char* what) {
    return std::string("KTX-7593AP test ") + what + " : " + std::to_string(getpid());
}

// The variables that once picked the lock folder, set for one test and put back after it.
class LockFolderEnvironment {
  public:
    LockFolderEnvironment() {
        for (const char* name : kNames)
            if (const char* value = std::getenv(name))
                Saved_[name] = value;
    }
    ~LockFolderEnvironment() {
        for (const char* name : kNames)
            Saved_.count(name) ? setenv(name, Saved_[name].c_str(), 1) : unsetenv(name);
    }
    // Null: unset.
    void Set(const char* runtime, const char* data, const char* home) {
        for (const auto& [name, value] : {std::pair{"XDG_RUNTIME_DIR", runtime},
                                          std::pair{"XDG_DATA_HOME", data}, std::pair{"HOME", home}})
            value ? setenv(name, value, 1) : unsetenv(name);
        unsetenv("TMPDIR");
    }

  private:
    static constexpr const char* kNames[] = {"XDG_RUNTIME_DIR", "XDG_DATA_HOME", "HOME", "TMPDIR"};
    std::map<std::string, std::string> Saved_;
};

// Every lock of a case follows a scratch account: home/ in the folder, runtime/ its runtime
// folder (not made unless the case makes it).
class NamedMutex : public ::testing::Test {
  protected:
    void SetUp() override { UseAccount(Scratch.File("home"), Scratch.File("runtime")); }
    void TearDown() override { SetLockAccount(nullptr); }
    void UseAccount(const std::string& home, const std::string& runtime) {
        const LockAccount account{home, runtime};
        SetLockAccount(&account);
    }
    std::string HomeFolder() const { return Scratch.File("home/.local/share/ktx7593ap"); }

    LockFolderEnvironment Environment;
    TempDir Scratch;
};

// Whatever the environment of either start (a desktop session, cron or su without a runtime
// folder, another data folder), the second start of one account meets the first one's lock.
TEST_F(NamedMutex, HeldByAnotherProcessReportsAlreadyExistsUntilItEnds) {
    const std::string runtime = Scratch.File("session"), data = Scratch.File("data"),
                      other = Scratch.File("other");
    const struct {
        const char* Name;
        const char *HolderRuntime, *HolderData, *Runtime, *Data, *Home;
    } cases[] = {
        {"same environment", nullptr, nullptr, nullptr, nullptr, nullptr},
        {"runtime folder unset", runtime.c_str(), nullptr, nullptr, nullptr, nullptr},
        {"another data folder and home", nullptr, data.c_str(), runtime.c_str(), other.c_str(),
         other.c_str()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string caption = UniqueCaption(c.Name);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            Environment.Set(c.HolderRuntime, c.HolderData, c.HolderData);
            const HANDLE h = CreateMutexA(nullptr, true, caption.c_str());
            const char ok = (h != nullptr && GetLastError() == ERROR_SUCCESS) ? '1' : '0';
            if (write(ready[1], &ok, 1) != 1)
                _exit(2);
            pause(); // hold until killed
            _exit(0);
        }
        close(ready[1]);
        char ok = 0;
        ASSERT_EQ(read(ready[0], &ok, 1), 1);
        close(ready[0]);
        EXPECT_EQ(ok, '1');

        Environment.Set(c.Runtime, c.Data, c.Home);
        SetLastError(0);
        EXPECT_NE(CreateMutexA(nullptr, true, caption.c_str()), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);

        kill(child, SIGKILL); // a crash also frees the lock
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_NE(CreateMutexA(nullptr, true, caption.c_str()), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
        // Now this process holds it.
        EXPECT_NE(CreateMutexA(nullptr, true, caption.c_str()), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
        EXPECT_EQ(std::filesystem::path(NamedMutexLockPath(caption)).parent_path(), HomeFolder());
    }
}

TEST_F(NamedMutex, CaptionsThatDifferOnlyInOddCharactersStayApart) {
    const std::string a = UniqueCaption("x : 10.0.0.1");
    const std::string b = UniqueCaption("x / 10.0.0.1");
    EXPECT_NE(NamedMutexLockPath(a), NamedMutexLockPath(b));
    EXPECT_EQ(NamedMutexLockPath(a).find("/../"), std::string::npos);
    EXPECT_EQ(std::filesystem::path(NamedMutexLockPath("../../etc/passwd")).parent_path(),
              std::filesystem::path(NamedMutexLockPath("x")).parent_path());
    ASSERT_NE(CreateMutexA(nullptr, true, a.c_str()), nullptr);
    ASSERT_EQ(GetLastError(), ERROR_SUCCESS);
    ASSERT_NE(CreateMutexA(nullptr, true, b.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    unlink(NamedMutexLockPath(a).c_str());
    unlink(NamedMutexLockPath(b).c_str());
}

// The lock lives in the account's program folder below its home, which no other account can make
// first (a folder under /tmp could be); the runtime folder serves only when that is not the
// user's own. With neither, there is no lock folder and the home's is named.
TEST_F(NamedMutex, FallbackIsTheProgramFolder) {
    const std::string program = HomeFolder();
    const std::string runtime = Scratch.File("runtime");
    for (const std::string name : {"made", "a link", "open to others", "a link, with a runtime folder"}) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(Scratch.File("home"));
        std::filesystem::remove_all(runtime);
        std::filesystem::create_directories(Scratch.File("home/.local/share"));
        if (name.rfind("a link", 0) == 0)
            std::filesystem::create_directory_symlink(Scratch.Path(), program);
        if (name == "open to others") {
            ASSERT_EQ(mkdir(program.c_str(), 0700) + chmod(program.c_str(), 0777), 0);
        }
        if (name == "a link, with a runtime folder") {
            ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
        }
        const std::string folder = name == "made"                                 ? program
                                   : name == "a link" || name == "open to others" ? ""
                                                                                  : runtime;
        std::string unsafe;
        EXPECT_EQ(NamedMutexFolder(&unsafe), folder);
        EXPECT_EQ(unsafe, folder.empty() ? program : "");
        SetLastError(0);
        EXPECT_EQ(CreateMutexA(nullptr, true, UniqueCaption(name.c_str()).c_str()) != nullptr,
                  !folder.empty());
        if (folder != program)
            continue;
        EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
        struct stat st {};
        ASSERT_EQ(lstat(program.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
}

constexpr uid_t kOtherAccount = 4321;

// Which folder the lock goes to when the home's is a link and the runtime folder is not the
// user's own (another account's, open to others, a link): none, whatever another account made.
TEST_F(NamedMutex, FoldersOfOtherAccountsAreNeverUsed) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand folders to another account";
    const std::string runtime = Scratch.File("runtime");
    std::filesystem::create_directories(Scratch.File("home/.local/share"));
    std::filesystem::create_directory_symlink(Scratch.Path(), HomeFolder());
    const struct {
        const char* Name;
        std::function<void()> Prepare;
        std::string Folder;
    } cases[] = {
        {"own runtime folder", [] {}, runtime},
        {"runtime folder of another account", [&] { ASSERT_EQ(chown(runtime.c_str(), kOtherAccount, 0), 0); },
         ""},
        {"runtime folder open to others", [&] { chmod(runtime.c_str(), 01777); }, ""},
        {"runtime folder as a link",
         [&] {
             std::filesystem::rename(runtime, Scratch.File("real"));
             std::filesystem::create_directory_symlink(Scratch.File("real"), runtime);
         },
         ""},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(runtime);
        std::filesystem::remove_all(Scratch.File("real"));
        std::filesystem::create_directories(runtime);
        chmod(runtime.c_str(), 0700);
        c.Prepare();
        EXPECT_EQ(NamedMutexFolder(), c.Folder) << c.Name;
        const std::string caption = UniqueCaption(c.Name);
        EXPECT_EQ(CreateMutexA(nullptr, true, caption.c_str()) != nullptr, !c.Folder.empty()) << c.Name;
    }
}

// A lock file held by another account in a folder that is not the user's own stops nothing, and
// one of another account in the user's own folder gives no handle: the start cannot go on silently.
TEST_F(NamedMutex, LockFilesOfOtherAccounts) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand files to another account";
    TempDir shared;
    chmod(shared.Path().c_str(), 0777);
    UseAccount(Scratch.File("home"), shared.Path());
    const std::string caption = UniqueCaption("foreign lock file");
    // What another account left under the same name in the shared folder, and holds.
    const std::string foreign =
        shared.Path() + "/" + std::filesystem::path(NamedMutexLockPath(caption)).filename().string();
    const int held = open(foreign.c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(held, 0);
    ASSERT_EQ(fchown(held, kOtherAccount, 0), 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    SetLastError(0);
    EXPECT_NE(CreateMutexA(nullptr, true, caption.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    close(held);

    const std::string other = UniqueCaption("foreign lock file in own folder");
    const int planted = open(NamedMutexLockPath(other).c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(planted, 0);
    ASSERT_EQ(fchown(planted, kOtherAccount, 0), 0);
    close(planted);
    EXPECT_EQ(CreateMutexA(nullptr, true, other.c_str()), nullptr);
}

} // namespace
