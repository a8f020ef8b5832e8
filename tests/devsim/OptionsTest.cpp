// The simulator's command line: what it refuses matters as much as what it takes.

#include "tools/devsim/Options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace devsim;

namespace {

Options Parse(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"ktx-devsim"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    return ParseOptions(static_cast<int>(argv.size()), argv.data());
}

} // namespace

TEST(DevSimOptions, TakesTheDocumentedSwitches) {
    Options o = Parse({"--listen", "127.0.0.2:16200", "--restart-seconds", "1.5", "--omit", ".1.3.6.1.4",
                       "--fail", "1.3.6.1.2.1.1.5.0=noAccess", "--fail", "1.3.6.1.2=5", "--v3-user",
                       "ann:sha:authpass1:aes:privpass1", "--v3-user",
                       "ben:MD5:authpass2:none:", "--device-address", "10.1.2.3/255.255.0.0"});
    EXPECT_EQ(o.listenAddress, "127.0.0.2");
    EXPECT_EQ(o.listenPort, 16200);
    EXPECT_DOUBLE_EQ(o.restartSeconds, 1.5);
    ASSERT_EQ(o.omitted.size(), 1u);
    EXPECT_EQ(o.omitted[0], (Oid{1, 3, 6, 1, 4}));
    ASSERT_EQ(o.failures.size(), 2u);
    EXPECT_EQ(o.failures[0].status, 6);
    EXPECT_EQ(o.failures[1].status, 5);
    ASSERT_EQ(o.users.size(), 2u);
    EXPECT_EQ(o.users[0].authProto, "SHA");
    EXPECT_EQ(o.users[0].privProto, "AES");
    EXPECT_EQ(o.users[1].privProto, "NONE");
    EXPECT_EQ(o.communityRo, "public");
    EXPECT_EQ(o.communityRw, "private");
    EXPECT_EQ(o.deviceAddress, "10.1.2.3");
    EXPECT_EQ(o.deviceMask, "255.255.0.0");
}

TEST(DevSimOptions, RefusesWhatWouldListenBeyondLoopbackOrBreakKeys) {
    const std::vector<std::vector<std::string>> bad = {
        {"--listen", "0.0.0.0:161"},
        {"--listen", "192.168.1.1:16100"},
        {"--listen", "127.0.0.1"},
        {"--listen", "127.0.0.1:70000"},
        {"--listen", "127.0.0.1:"},
        {"--fail", "1.3.6=noSuchStatus"},
        {"--fail", "1.3.6"},
        {"--fail", "1.3.6=noError"},
        {"--omit", "1.x"},
        {"--v3-user", "ann:SHA:short:AES:privpass1"},
        {"--v3-user", "ann:SHA1:authpass1:AES:privpass1"},
        {"--v3-user", "ann:none::AES:privpass1"},
        {"--v3-user", "ann:SHA:authpass1"},
        {"--restart-seconds", "-1"},
        {"--community-ro", ""},
        {"--log"},
        {"--bogus"},
        {"--device-address", "10.1.2.3"},
        {"--device-address", "300.1.2.3/255.0.0.0"},
    };
    for (const auto& args : bad) {
        EXPECT_THROW(Parse(args), UsageError) << args[0];
    }
}

TEST(DevSimOptions, ErrorStatusNamesIgnoreCase) {
    EXPECT_EQ(ParseErrorStatus("genErr"), 5);
    EXPECT_EQ(ParseErrorStatus("NOTWRITABLE"), 17);
    EXPECT_EQ(ParseErrorStatus("18"), 18);
    EXPECT_EQ(ParseErrorStatus("19"), -1);
    EXPECT_EQ(ParseErrorStatus("gen"), -1);
}
