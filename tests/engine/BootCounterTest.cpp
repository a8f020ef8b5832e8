// The boot counter file: counting starts, keeping other engines' lines, and refusing bad input
// without touching the file.
#include "snmpengine/BootCounter.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
class BootCounterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/ktx-bootcounter-XXXXXX";
        folder = mkdtemp(pattern);
        file = folder + "/counter";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string contents() const {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void write(const std::string& text) const { std::ofstream(file) << text; }

    std::string folder, file;
    const OctetStr engine{"NxSNMP_PP_Application"};
};

TEST_F(BootCounterTest, CountsStartsAndKeepsOtherEngines) {
    unsigned int boots = 99;
    EXPECT_EQ(getBootCounter(file, engine, boots), BootCounterResult::FileError);
    EXPECT_EQ(boots, 0u);
    ASSERT_EQ(saveBootCounter(file, engine, 1), BootCounterResult::Ok);
    const std::string hex = engine.get_printable_hex();
    EXPECT_EQ(contents(), hex + " 1\n");

    write("0102 7\n" + hex + " 41\n\n");
    ASSERT_EQ(getBootCounter(file, engine, boots), BootCounterResult::Ok);
    EXPECT_EQ(boots, 41u);
    ASSERT_EQ(saveBootCounter(file, engine, boots + 1), BootCounterResult::Ok);
    EXPECT_EQ(contents(), "0102 7\n" + hex + " 42\n");
    ASSERT_EQ(getBootCounter(file, OctetStr("\x01\x02"), boots), BootCounterResult::Ok);
    EXPECT_EQ(boots, 7u);
    EXPECT_EQ(getBootCounter(file, OctetStr("other"), boots), BootCounterResult::NoEntry);
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
}

TEST_F(BootCounterTest, RefusesMalformedLinesLongIdsAndUnwritableFiles) {
    const std::string malformed = engine.get_printable_hex() + " twelve\n";
    write(malformed);
    unsigned int boots = 5;
    EXPECT_EQ(getBootCounter(file, engine, boots), BootCounterResult::Malformed);
    write(engine.get_printable_hex() + " 99999999999\n"); // more than 32 bits
    EXPECT_EQ(getBootCounter(file, engine, boots), BootCounterResult::Malformed);
    write(malformed);
    EXPECT_EQ(contents(), malformed);

    const OctetStr tooLong(std::string(33, 'x'));
    EXPECT_EQ(getBootCounter(file, tooLong, boots), BootCounterResult::EngineIdTooLong);
    EXPECT_EQ(saveBootCounter(file, tooLong, 1), BootCounterResult::EngineIdTooLong);
    EXPECT_EQ(contents(), malformed);

    const std::string nowhere = folder + "/missing/counter";
    EXPECT_EQ(saveBootCounter(nowhere, engine, 1), BootCounterResult::FileError);
    EXPECT_EQ(countBoot(nowhere, engine, boots), BootCounterResult::InMemory) << "counted all the same";
    EXPECT_EQ(boots, 1u);
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}
} // namespace
