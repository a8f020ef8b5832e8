#include "platform/ProgramFolder.h"
#include "platform/OwnFolder.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(ProgramFolder, IsNeverTheExecutableFolder) {
    const char* bin = std::getenv("KTX_BIN_DIR");
    if (bin == nullptr)
        GTEST_SKIP() << "KTX_BIN_DIR is not set";
    EXPECT_EQ(std::filesystem::canonical(ExecutableFolder()), std::filesystem::canonical(bin));
    EXPECT_EQ(ExecutableFolder().back(), '/');
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.Path().c_str(), 1);
    EXPECT_NE(ProgramFolder(), ExecutableFolder());
    EXPECT_NE(std::filesystem::path(ProgramFolder()), std::filesystem::current_path());
    unsetenv("XDG_DATA_HOME");
}

constexpr uid_t kOtherAccount = 4321;

// The folder in use: $XDG_DATA_HOME/ktx7593ap, else the home's, each only while it is the user's own.
TEST(ProgramFolder, OnlyAFolderOfTheUsersOwn) {
    TempDir dir;
    const std::string data = dir.File("data/ktx7593ap/");
    const std::string home = dir.File("home/.local/share/ktx7593ap/");
    const bool root = geteuid() == 0;
    const struct {
        const char* Name;
        const char* DataHome; // below dir; empty: unset
        std::function<void()> Prepare;
        std::string Folder;
        bool Own;
    } cases[] = {
        {"data home", "data", [] {}, data, true},
        {"no data home", "", [] {}, home, true},
        {"relative data home", "relative", [] {}, home, true},
        {"data folder open to others", "data",
         [&] {
             std::filesystem::create_directories(data);
             chmod(data.c_str(), 0777);
         },
         home, true},
        {"data folder as a link", "data",
         [&] {
             std::filesystem::create_directories(dir.File("elsewhere"));
             chmod(dir.File("elsewhere").c_str(), 0700);
             std::filesystem::create_directories(dir.File("data"));
             std::filesystem::create_directory_symlink(dir.File("elsewhere"), dir.File("data/ktx7593ap"));
         },
         home, true},
        {"both of another account", "data",
         [&] {
             std::filesystem::create_directories(data);
             std::filesystem::create_directories(home);
             if (chown(data.c_str(), kOtherAccount, 0) != 0 || chown(home.c_str(), kOtherAccount, 0) != 0)
                 ADD_FAILURE() << "chown";
         },
         home, false},
    };
    setenv("HOME", dir.File("home").c_str(), 1);
    for (const auto& c : cases) {
        if (!root && std::string(c.Name) == "both of another account")
            continue;
        for (const char* sub : {"data", "home", "elsewhere"})
            std::filesystem::remove_all(dir.File(sub));
        if (*c.DataHome == '\0')
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", *c.DataHome == 'r' ? c.DataHome : dir.File(c.DataHome).c_str(), 1);
        c.Prepare();
        EXPECT_EQ(ProgramFolder(), c.Folder) << c.Name;
        EXPECT_EQ(IsOwnFolder(ProgramFolder()), c.Own) << c.Name;
        struct stat st {};
        if (c.Own && lstat(c.Folder.c_str(), &st) == 0) {
            EXPECT_EQ(st.st_mode & 07777, 0700u) << c.Name;
        }
    }
    unsetenv("XDG_DATA_HOME");
}

// Without HOME the account's home is used, never a shared folder such as /tmp.
TEST(ProgramFolder, WithoutHomeTheAccountsHome) {
    const char* saved = std::getenv("HOME");
    const std::string savedHome = saved ? saved : "";
    unsetenv("HOME");
    unsetenv("XDG_DATA_HOME");
    const passwd* account = getpwuid(geteuid());
    ASSERT_NE(account, nullptr);
    const std::string expected = std::string(account->pw_dir) + "/.local/share/ktx7593ap/";
    const bool existed = std::filesystem::exists(expected);
    EXPECT_EQ(ProgramFolder(), expected);
    EXPECT_EQ(ProgramFolder().rfind("/tmp", 0), std::string::npos);
    if (!existed)
        std::filesystem::remove(expected);
    if (saved)
        setenv("HOME", savedHome.c_str(), 1);
}

} // namespace
