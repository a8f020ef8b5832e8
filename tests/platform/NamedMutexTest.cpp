#include "platform/NamedMutex.h"
#include "platform/LastError.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <string>
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

} // namespace
