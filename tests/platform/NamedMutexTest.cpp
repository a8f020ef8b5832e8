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

TEST(NamedMutex, HeldByAnotherProcessReportsAlreadyExistsUntilItEnds) {
    const std::string caption = UniqueCaption("other process");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(ready[0]);
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
    unlink(NamedMutexLockPath(caption).c_str());
}

TEST(NamedMutex, CaptionsThatDifferOnlyInOddCharactersStayApart) {
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

// The variables that pick the lock folder, set for one test and put back after it.
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
    // runtime null: unset. The program folder is data/ktx7593ap; HOME's fallback stays inside data.
    void Set(const char* runtime, const std::string& data) {
        runtime ? setenv("XDG_RUNTIME_DIR", runtime, 1) : unsetenv("XDG_RUNTIME_DIR");
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        setenv("HOME", data.c_str(), 1);
        unsetenv("TMPDIR");
    }

  private:
    static constexpr const char* kNames[] = {"XDG_RUNTIME_DIR", "XDG_DATA_HOME", "HOME", "TMPDIR"};
    std::map<std::string, std::string> Saved_;
};

// Without a runtime folder the lock lives in the program folder, which no other account can make
// first (a folder under /tmp could be). A program folder that is not the user's own (a link, open
// to others) gives no lock folder, and the one tried is named.
TEST(NamedMutex, FallbackIsTheProgramFolder) {
    LockFolderEnvironment environment;
    TempDir data;
    const std::string program = data.File("ktx7593ap");
    const std::string homeProgram = data.File(".local/share/ktx7593ap");
    for (const std::string name : {"made", "a link", "open to others"}) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(program);
        std::filesystem::remove_all(data.File(".local"));
        // The home's program folder, the last one tried, is unusable too.
        std::filesystem::create_directories(homeProgram);
        chmod(homeProgram.c_str(), 0755);
        environment.Set(nullptr, data.Path());
        if (name == "a link")
            std::filesystem::create_directory_symlink(data.Path(), program);
        if (name == "open to others") {
            ASSERT_EQ(mkdir(program.c_str(), 0700) + chmod(program.c_str(), 0777), 0);
        }
        const bool made = name == "made";
        std::string unsafe;
        EXPECT_EQ(NamedMutexFolder(&unsafe), made ? program : "");
        EXPECT_EQ(unsafe, made ? "" : homeProgram);
        SetLastError(0);
        EXPECT_EQ(CreateMutexA(nullptr, true, UniqueCaption(name.c_str()).c_str()) != nullptr, made);
        if (!made)
            continue;
        EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
        struct stat st {};
        ASSERT_EQ(lstat(program.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
}

constexpr uid_t kOtherAccount = 4321;

// Which folder the lock goes to when $XDG_RUNTIME_DIR is not the user's own (another account's,
// open to others, a link): the program folder, whatever another account made under /tmp.
TEST(NamedMutex, FoldersOfOtherAccountsAreNeverUsed) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand folders to another account";
    LockFolderEnvironment environment;
    TempDir scratch;
    const std::string runtime = scratch.File("runtime");
    const std::string data = scratch.File("data");
    const std::string program = data + "/ktx7593ap";
    const struct {
        const char* Name;
        std::function<void()> Prepare;
        std::string Folder;
    } cases[] = {
        {"own runtime folder", [] {}, runtime},
        {"runtime folder of another account", [&] { ASSERT_EQ(chown(runtime.c_str(), kOtherAccount, 0), 0); },
         program},
        {"runtime folder open to others", [&] { chmod(runtime.c_str(), 01777); }, program},
        {"runtime folder as a link",
         [&] {
             std::filesystem::rename(runtime, scratch.File("real"));
             std::filesystem::create_directory_symlink(scratch.File("real"), runtime);
         },
         program},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(runtime);
        std::filesystem::remove_all(scratch.File("real"));
        std::filesystem::create_directories(runtime);
        chmod(runtime.c_str(), 0700);
        environment.Set(runtime.c_str(), data);
        c.Prepare();
        EXPECT_EQ(NamedMutexFolder(), c.Folder) << c.Name;
        const std::string caption = UniqueCaption(c.Name);
        EXPECT_NE(CreateMutexA(nullptr, true, caption.c_str()), nullptr) << c.Name;
        EXPECT_EQ(GetLastError(), ERROR_SUCCESS) << c.Name;
        unlink(NamedMutexLockPath(caption).c_str());
    }
}

// A lock file held by another account in a folder that is not the user's own stops nothing, and
// one of another account in the user's own folder gives no handle: the start cannot go on silently.
TEST(NamedMutex, LockFilesOfOtherAccounts) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand files to another account";
    LockFolderEnvironment environment;
    TempDir shared, own;
    chmod(shared.Path().c_str(), 0777);
    const std::string caption = UniqueCaption("foreign lock file");
    environment.Set(shared.Path().c_str(), own.Path());
    // What another account left under the shared name, and holds.
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
