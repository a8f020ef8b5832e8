#include "platform/Registry.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

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

} // namespace
