#include "platform/Registry.h"
#include "tests/support/TempDir.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("KTX_REGISTRY_FILE",
               dir.Write("registry.ini", "[SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath]\r\n"
                                         "Path=/opt/host/bin/\r\n"
                                         "[\\software\\quenvar\\modules\\helppath]\r\n"
                                         "1.3.6.1.4.1.48113.10.37.26=/opt/help/ktx7593ap.hlp\r\n")
                   .c_str(),
               1);
    }
    void TearDown() override { unsetenv("KTX_REGISTRY_FILE"); }
    TempDir dir;
};

TEST_F(RegistryTest, KeysOpenWithOrWithoutLeadingBackslashAndCase) {
    TRegistry reg;
    reg.RootKey = HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath", false));
    EXPECT_EQ(reg.ReadString("path"), "/opt/host/bin/");
    EXPECT_TRUE(reg.ValueExists("Path"));
    EXPECT_FALSE(reg.ValueExists("Other"));
    EXPECT_EQ(reg.ReadString("Other"), "");
    reg.CloseKey();

    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Quenvar\\Modules\\HelpPath", false));
    EXPECT_EQ(reg.ReadString("1.3.6.1.4.1.48113.10.37.26"), "/opt/help/ktx7593ap.hlp");
    reg.CloseKey();

    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Quenvar", true));
    ASSERT_TRUE(reg.OpenKey("Orbisk5.1\\ExePath", false)); // below the current key
    EXPECT_EQ(reg.ReadString("Path"), "/opt/host/bin/");
}

TEST_F(RegistryTest, MissingKeyOpensOnlyWhenCreatingAndNothingIsWritten) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Quenvar\\Orbisk5.1\\MibFile", false));
    EXPECT_FALSE(reg.ValueExists("Path"));
    const std::string before = [&] {
        std::ifstream in(dir.File("registry.ini"));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Quenvar\\Orbisk5.1\\MibFile", true));
    EXPECT_EQ(reg.ReadString("Path"), "");
    std::ifstream in(dir.File("registry.ini"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
}

TEST_F(RegistryTest, MissingFileHasNoKeys) {
    setenv("KTX_REGISTRY_FILE", dir.File("absent.ini").c_str(), 1);
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath", false));
    EXPECT_EQ(reg.ReadString("Path"), "");
}

// What a key read from the file at path gives, in a child that is killed when it takes longer
// than 10 s: 1 the key opened, 0 it did not, -1 the read never ended.
int OpensFrom(const std::string& path) {
    const pid_t child = fork();
    if (child == 0) {
        setenv("KTX_REGISTRY_FILE", path.c_str(), 1);
        TRegistry reg;
        _exit(reg.OpenKey("\\SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath", false) ? 1 : 0);
    }
    for (int i = 0; i < 1000; ++i) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return -1;
}

TEST_F(RegistryTest, OnlyARegularFileOfSaneSizeIsRead) {
    const std::string good = dir.File("registry.ini");
    ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(good, dir.File("link.ini"));
    {
        std::ofstream big(dir.File("big.ini"), std::ios::binary);
        big << "[SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath]\nPath=/x/\n";
        big << std::string((1 << 20) + 1, ';');
    }
    const struct {
        std::string Path;
        int Opens;
    } cases[] = {{good, 1},       {dir.File("link.ini"), 1}, {"/dev/zero", 0}, {dir.File("fifo"), 0},
                 {dir.Path(), 0}, {dir.File("big.ini"), 0}};
    for (const auto& c : cases)
        EXPECT_EQ(OpensFrom(c.Path), c.Opens) << c.Path;
}

} // namespace
