#include "platform/NamedMutex.h"
#include "platform/LastError.h"

#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <string>
#include <sys/file.h>
#include <sys/mount.h>
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

// Without XDG_RUNTIME_DIR the lock lives in a folder of the user's own: nothing another account
// left under a shared name stops a start, and a folder the user does not own is never used.
TEST(NamedMutex, FallbackFolderIsTheUsersOwn) {
    const std::string caption = UniqueCaption("fallback");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedRuntime = runtime ? runtime : "";
    const std::string scratch =
        std::filesystem::temp_directory_path() / ("ktx-mutex-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    // The shared name under /tmp, held by "another account" in a way this user cannot open.
    setenv("XDG_RUNTIME_DIR", "/tmp", 1);
    const std::string shared = NamedMutexLockPath(caption);
    ASSERT_TRUE(std::filesystem::create_directory(shared));
    unsetenv("XDG_RUNTIME_DIR");
    setenv("TMPDIR", scratch.c_str(), 1);
    const std::string own = scratch + "/ktx7593ap-" + std::to_string(getuid());

    SetLastError(0);
    EXPECT_NE(CreateMutexA(nullptr, true, caption.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_EQ(std::filesystem::path(NamedMutexLockPath(caption)).parent_path(), own);
    struct stat st {};
    ASSERT_EQ(lstat(own.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // A link, or a folder open to others, in place of the user's folder is not used: the next
    // folder of the user's own is.
    const std::string last = "/tmp/ktx7593ap-" + std::to_string(geteuid());
    std::filesystem::remove_all(own);
    std::filesystem::create_directory_symlink(scratch, own);
    EXPECT_EQ(std::filesystem::path(NamedMutexLockPath(caption)).parent_path(), last);
    std::filesystem::remove(own);
    ASSERT_EQ(mkdir(own.c_str(), 0777), 0);
    chmod(own.c_str(), 0777);
    EXPECT_EQ(std::filesystem::path(NamedMutexLockPath(caption)).parent_path(), last);

    unsetenv("TMPDIR");
    if (!savedRuntime.empty())
        setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
    std::filesystem::remove(shared);
    std::filesystem::remove_all(scratch);
}

constexpr uid_t kOtherAccount = 4321;

// Which folder the lock goes to when $XDG_RUNTIME_DIR is not the user's own (another account's,
// open to others, a link) and when the fallback under $TMPDIR is another account's.
TEST(NamedMutex, FoldersOfOtherAccountsAreNeverUsed) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand folders to another account";
    const std::string scratch =
        std::filesystem::temp_directory_path() / ("ktx-mutex-own-" + std::to_string(getpid()));
    const std::string runtime = scratch + "/runtime";
    const std::string temp = scratch + "/temp";
    const std::string uid = std::to_string(geteuid());
    const struct {
        const char* Name;
        std::function<void()> Prepare;
        std::string Folder;
    } cases[] = {
        {"own runtime folder", [] {}, runtime},
        {"runtime folder of another account", [&] { ASSERT_EQ(chown(runtime.c_str(), kOtherAccount, 0), 0); },
         temp + "/ktx7593ap-" + uid},
        {"runtime folder open to others", [&] { chmod(runtime.c_str(), 01777); }, temp + "/ktx7593ap-" + uid},
        {"runtime folder as a link",
         [&] {
             std::filesystem::rename(runtime, scratch + "/real");
             std::filesystem::create_directory_symlink(scratch + "/real", runtime);
         },
         temp + "/ktx7593ap-" + uid},
        {"fallback of another account",
         [&] {
             chmod(runtime.c_str(), 0755);
             ASSERT_EQ(mkdir((temp + "/ktx7593ap-" + uid).c_str(), 0700), 0);
             ASSERT_EQ(chown((temp + "/ktx7593ap-" + uid).c_str(), kOtherAccount, 0), 0);
         },
         "/tmp/ktx7593ap-" + uid},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(scratch);
        std::filesystem::create_directories(runtime);
        std::filesystem::create_directories(temp);
        chmod(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("TMPDIR", temp.c_str(), 1);
        c.Prepare();
        EXPECT_EQ(NamedMutexFolder(), c.Folder) << c.Name;
        const std::string caption = UniqueCaption(c.Name);
        EXPECT_NE(CreateMutexA(nullptr, true, caption.c_str()), nullptr) << c.Name;
        EXPECT_EQ(GetLastError(), ERROR_SUCCESS) << c.Name;
        unlink(NamedMutexLockPath(caption).c_str());
    }
    unsetenv("TMPDIR");
    std::filesystem::remove_all(scratch);
}

// A lock file held by another account in a folder that is not the user's own stops nothing, and
// one of another account in the user's own folder gives no handle: the start cannot go on silently.
TEST(NamedMutex, LockFilesOfOtherAccounts) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand files to another account";
    TempDir shared, own;
    chmod(shared.Path().c_str(), 0777);
    const std::string caption = UniqueCaption("foreign lock file");
    setenv("XDG_RUNTIME_DIR", shared.Path().c_str(), 1);
    setenv("TMPDIR", own.Path().c_str(), 1);
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
    unsetenv("TMPDIR");
}

// With every folder another account's, there is no lock folder, and the last one tried is named.
// /tmp of a private mount namespace stands in for the shared one.
TEST(NamedMutex, NoSafeFolderNamesTheLastOneTried) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root for a private /tmp";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", "/tmp", "tmpfs", 0, nullptr) != 0)
            _exit(3);
        const std::string last = "/tmp/ktx7593ap-" + std::to_string(geteuid());
        if (mkdir(last.c_str(), 0700) != 0 || chown(last.c_str(), kOtherAccount, 0) != 0)
            _exit(4);
        unsetenv("XDG_RUNTIME_DIR");
        unsetenv("TMPDIR");
        std::string unsafe;
        const bool none = NamedMutexFolder(&unsafe).empty() && unsafe == last &&
                          CreateMutexA(nullptr, true, "KTX-7593AP : 127.0.0.1") == nullptr;
        _exit(none ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3)
        GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
