#include "app/forms/AddressChecks.h"
#include "platform/MessageRecorder.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(IsValidIPAddress, AcceptsHostAddressesOnly) {
    for (const char* good : {"1.0.0.1", "10.0.0.1", "192.168.1.254", "223.255.255.254"})
        EXPECT_TRUE(IsValidIPAddress(good)) << good;
    for (const char* bad :
         {"",           ".1.2.3",    "1.",         "127.0.0.1", "224.0.0.1",  "0.1.2.3",   "10.0.0.0",
          "10.0.0.255", "10.0.0",    "10.0.0.1.1", "10..0.1",   "10.0.0.",    "a.b.c.d",   "10.0.x.1",
          "10.256.0.1", "10.0.-1.1", "1.2.3.4x",   "abc",       "10.0.0.1 ",  "10.0 .0.1", "$A.0.0.11",
          "0x0A.0.0.9", " 10.0.0.7", "+10.0.0.7",  "10.0.0.-7", "10.0.0.7e0", "1e1.0.0.1"})
        EXPECT_FALSE(IsValidIPAddress(bad)) << bad;
    // Leading zeros are still decimal and written as the same address.
    EXPECT_TRUE(IsValidIPAddress("10.0.0.07"));
}

TEST(SameIPAddress, ComparesAddressesNotTexts) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"10.0.0.7", "10.0.0.7", true},
        {"10.0.0.07", "10.0.0.7", true},
        {"010.000.0.7", "10.0.0.7", true},
        {"10.0.0.7", "10.0.0.8", false},
        {" 10.0.0.7", "10.0.0.7", false},
        {"$A.0.0.7", "10.0.0.7", false},
        {"0.0.0.0", "000.0.0.0", true},
        {"", "", true},
        {"", "0.0.0.0", false},
        {"abc", "abc", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SameIPAddress(c.a, c.b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(SameIPAddress(c.b, c.a), c.same) << c.b << " / " << c.a;
    }
}

TEST(IsValidSubnetMask, AcceptsContiguousMasksFrom192To254) {
    for (const char* good :
         {"255.255.255.0", "255.255.255.252", "192.0.0.0", "255.255.255.254", "255.255.128.0", "224.0.0.0"})
        EXPECT_TRUE(IsValidSubnetMask(good)) << good;
    for (const char* bad :
         {"255.255.255.255", "128.0.0.0", "255.0.255.0", "255.255.1.0", "0.0.0.0", "", ".255.255.0",
          "255.255.255", "255.255.255.0.0", "255.255.256.0", "255.255.255.x", "255.255.254.1",
          "255.255.0.128", "1.0.0.0", "255.255.255.0 ", "0xFF.255.255.0", "$FF.255.255.0"})
        EXPECT_FALSE(IsValidSubnetMask(bad)) << bad;
}

TEST(AndDottedQuads, AndsEachOctet) {
    EXPECT_EQ(AndDottedQuads("192.168.0.50", "255.255.255.0"), "192.168.0.0");
    EXPECT_EQ(AndDottedQuads("10.1.2.3", "255.255.0.0"), "10.1.0.0");
    EXPECT_EQ(AndDottedQuads("", "255.255.255.0"), "0.0.0.0");
    EXPECT_EQ(AndDottedQuads("10.x.2.3", "255.255.255.255"), "10.0.2.3");
    EXPECT_EQ(AndDottedQuads("300.1.1.1", "255.255.255.255"), "44.1.1.1"); // 8 bits
}

NxNetInterface Interface(const char* address, const char* mask) {
    NxNetInterface i;
    i.Address = address;
    i.Netmask = mask;
    return i;
}

TEST(LocalServerAddress, PicksTheInterfaceOnTheDevicesNetworkEachWithItsOwnMask) {
    const std::vector<NxNetInterface> list = {
        Interface("127.0.0.1", "255.0.0.0"), Interface("10.2.0.1", "255.255.0.0"),
        Interface("10.1.9.9", "255.255.0.0"), Interface("10.1.7.7", "255.255.0.0")};
    EXPECT_EQ(MatchLocalServerAddress(list.data(), 4, "10.1.2.3", "255.255.0.0"), "10.1.9.9");
    EXPECT_EQ(MatchLocalServerAddress(list.data(), 2, "10.1.2.3", "255.255.0.0"), "");
    // The masks differ: each side is cut with its own.
    const std::vector<NxNetInterface> narrow = {Interface("10.1.0.5", "255.255.255.0")};
    EXPECT_EQ(MatchLocalServerAddress(narrow.data(), 1, "10.1.0.200", "255.255.0.0"), "10.1.0.5");
    EXPECT_EQ(MatchLocalServerAddress(narrow.data(), 1, "10.1.5.200", "255.255.255.0"), "");
}

// An address on a documentation network that no interface of this station is on.
std::string UnusedNetworkAddress() {
    NxNetInterface list[MaxLocalInterfaces];
    const int n = GetLocalInterfaces(list);
    for (const char* candidate : {"198.51.100.7", "203.0.113.7", "192.0.2.7"})
        if (MatchLocalServerAddress(list, n, candidate, "255.255.255.0").empty())
            return candidate;
    return std::string();
}

class PickLocalServerAddressTest : public ::testing::Test {
  protected:
    // The notice is the plain box of the message service: no title, one OK button.
    void SetUp() override {
        rec.OnBox = [this](const MessageRecorder::Box& b) {
            notices.push_back(b.Caption.empty() && b.Buttons == MB_OK ? b.Text : "not plain: " + b.Text);
        };
    }
    void TearDown() override { SetDeviceAddressEdits(nullptr, nullptr); }
    MessageRecorder rec;
    std::vector<std::string> notices;
};

TEST_F(PickLocalServerAddressTest, LoopbackDeviceGetsTheLoopbackAddress) {
    QLineEdit address, mask, target;
    address.setText("127.0.0.9");
    mask.setText("255.0.0.0");
    SetDeviceAddressEdits(&address, &mask);
    EXPECT_TRUE(PickLocalServerAddress(&target));
    EXPECT_EQ(target.text().toStdString(), "127.0.0.1");
    EXPECT_TRUE(notices.empty());
}

TEST_F(PickLocalServerAddressTest, NoMatchKeepsAnAddressAlreadyThereElseShowsTheNotice) {
    const std::string device = UnusedNetworkAddress();
    if (device.empty())
        GTEST_SKIP() << "every candidate network is local here";
    QLineEdit target;
    target.setText("10.9.9.9");
    EXPECT_TRUE(PickLocalServerAddress(&target, device, "255.255.255.0"));
    EXPECT_EQ(target.text().toStdString(), "10.9.9.9");
    EXPECT_TRUE(notices.empty());

    target.clear();
    EXPECT_FALSE(PickLocalServerAddress(&target, device, "255.255.255.0"));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "Invalid Server IP Address or SNMP timed out!");

    // A main window that has gone leaves no device address behind.
    {
        auto* address = new QLineEdit("127.0.0.9");
        auto* mask = new QLineEdit("255.0.0.0");
        SetDeviceAddressEdits(address, mask);
        delete address;
        delete mask;
    }
    EXPECT_FALSE(PickLocalServerAddress(&target));
    EXPECT_EQ(notices.size(), 2u);
}

} // namespace
