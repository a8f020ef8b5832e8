#include "platform/NamedMutex.h"
#include "platform/LastError.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <string>
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

    // A link, or a folder open to others, in place of the user's folder is not used.
    std::filesystem::remove_all(own);
    std::filesystem::create_directory_symlink(scratch, own);
    EXPECT_EQ(NamedMutexLockPath(caption), "");
    EXPECT_EQ(CreateMutexA(nullptr, true, caption.c_str()), nullptr);
    std::filesystem::remove(own);
    ASSERT_EQ(mkdir(own.c_str(), 0777), 0);
    chmod(own.c_str(), 0777);
    EXPECT_EQ(NamedMutexLockPath(caption), "");

    unsetenv("TMPDIR");
    if (!savedRuntime.empty())
        setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
    std::filesystem::remove(shared);
    std::filesystem::remove_all(scratch);
}

} // namespace
