#include "platform/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(ProgramFolder, IsTheWritableExecutableFolder) {
    const char* bin = std::getenv("KTX_BIN_DIR");
    if (bin == nullptr)
        GTEST_SKIP() << "KTX_BIN_DIR is not set";
    EXPECT_EQ(std::filesystem::canonical(ExecutableFolder()), std::filesystem::canonical(bin));
    EXPECT_EQ(ExecutableFolder().back(), '/');
    EXPECT_EQ(ProgramFolder(), ExecutableFolder());
}

} // namespace
