#include "library/common/NxNetInterface.h"

#include <arpa/inet.h>
#include <deque>
#include <gtest/gtest.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <string>

namespace {

TEST(LocalInterfaces, LoopbackIsListedWithItsFlags) {
    NxNetInterface list[MaxLocalInterfaces];
    const int n = GetLocalInterfaces(list);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, MaxLocalInterfaces);
    bool found = false;
    for (int i = 0; i < n; ++i) {
        EXPECT_FALSE(list[i].Address.empty());
        if (list[i].Address == "127.0.0.1") {
            found = true;
            EXPECT_EQ(list[i].Netmask, "255.0.0.0");
            EXPECT_EQ(list[i].Loopback, 1);
            EXPECT_EQ(list[i].Up, 1);
            EXPECT_EQ(list[i].BroadcastSupported, 0);
        }
    }
    EXPECT_TRUE(found);
    for (int i = n; i < MaxLocalInterfaces; ++i)
        EXPECT_TRUE(list[i].Address.empty());
}

// A getifaddrs-style chain built by hand.
class FakeChain {
  public:
    void Add(const std::string& name, int family, const std::string& address, const std::string& mask,
             unsigned flags) {
        Names_.push_back(name);
        sockaddr_in& a = Addresses_.emplace_back();
        sockaddr_in& m = Addresses_.emplace_back();
        a.sin_family = m.sin_family = static_cast<sa_family_t>(family);
        inet_pton(AF_INET, address.c_str(), &a.sin_addr);
        inet_pton(AF_INET, mask.c_str(), &m.sin_addr);
        ifaddrs& e = Entries_.emplace_back();
        e.ifa_name = Names_.back().data();
        e.ifa_flags = flags;
        e.ifa_addr = reinterpret_cast<sockaddr*>(&a);
        e.ifa_netmask = reinterpret_cast<sockaddr*>(&m);
        if (Entries_.size() > 1)
            Entries_[Entries_.size() - 2].ifa_next = &e;
    }
    const ifaddrs* Head() const { return Entries_.empty() ? nullptr : &Entries_.front(); }

  private:
    std::deque<std::string> Names_;
    std::deque<sockaddr_in> Addresses_;
    std::deque<ifaddrs> Entries_;
};

TEST(LocalInterfaces, MoreThanTenGiveTheFirstTenAndOtherFamiliesAreSkipped) {
    FakeChain chain;
    chain.Add("lo", AF_INET, "127.0.0.1", "255.0.0.0", IFF_UP | IFF_LOOPBACK);
    chain.Add("eth0", AF_INET6, "0.0.0.0", "0.0.0.0", IFF_UP);
    for (int i = 1; i <= 12; ++i)
        chain.Add("eth" + std::to_string(i), AF_INET, "10.0.0." + std::to_string(i), "255.255.255.0",
                  IFF_UP | IFF_BROADCAST | IFF_MULTICAST);
    NxNetInterface list[MaxLocalInterfaces];
    list[3].Address = "stale";
    ASSERT_EQ(FillLocalInterfaces(chain.Head(), list), 10);
    EXPECT_EQ(list[0].Loopback, 1);
    EXPECT_EQ(list[1].Address, "10.0.0.1");
    EXPECT_EQ(list[3].Address, "10.0.0.3");
    EXPECT_EQ(list[9].Address, "10.0.0.9");
    EXPECT_EQ(list[9].Netmask, "255.255.255.0");
    EXPECT_EQ(list[9].Name, "eth9");
    EXPECT_EQ(list[9].BroadcastSupported, 1);
    EXPECT_EQ(list[9].MulticastSupported, 1);
    EXPECT_EQ(list[9].PointToPoint, 0);
    EXPECT_EQ(list[9].Loopback, 0);
}

} // namespace
