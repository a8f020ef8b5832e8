#include "forms/network/Ping.h"
#include "platform/IcmpSocket.h"
#include "platform/MessageRecorder.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace {

uint16_t Sum(const uint8_t* data, size_t length) {
    uint32_t sum = 0;
    for (size_t i = 0; i + 1 < length; i += 2)
        sum += static_cast<uint32_t>((data[i] << 8) | data[i + 1]);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(sum);
}

TEST(EchoRequest, LayoutAndChecksum) {
    uint8_t request[12];
    BuildEchoRequest(request, 0x1234, 0x0102, 0xAABBCCDD);
    EXPECT_EQ(request[0], 8);
    EXPECT_EQ(request[1], 0);
    EXPECT_EQ(request[4], 0x34); // least significant byte first
    EXPECT_EQ(request[5], 0x12);
    EXPECT_EQ(request[6], 0x02);
    EXPECT_EQ(request[8], 0xDD);
    EXPECT_EQ(request[11], 0xAA);
    EXPECT_EQ(Sum(request, sizeof request), 0xFFFF); // a valid Internet checksum sums to all ones
}

class PingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        IcmpSocket probe;
        if (!probe.Open())
            GTEST_SKIP() << "neither an ICMP datagram nor a raw socket is permitted here";
        rec.OnBox = [this](const MessageRecorder::Box& b) {
            notices.push_back(b.Caption.empty() && b.Buttons == MB_OK ? b.Text : "not plain: " + b.Text);
        };
    }
    MessageRecorder rec;
    std::vector<std::string> notices;
};

TEST_F(PingTest, LoopbackAnswers) {
    EXPECT_TRUE(Ping("127.0.0.1"));
    EXPECT_TRUE(Ping("localhost"));
    EXPECT_TRUE(notices.empty());
}

TEST_F(PingTest, UnresolvableHostShowsTheNotice) {
    EXPECT_FALSE(Ping("bad..name"));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "Unable to resolve ");
}

TEST_F(PingTest, OnlyTheReplyToTheRequestWaitedForCounts) {
    IcmpSocket socket;
    ASSERT_TRUE(socket.Open());
    const uint32_t loopback = htonl(INADDR_LOOPBACK);
    const uint16_t id = static_cast<uint16_t>(getpid());
    uint8_t request[12];

    BuildEchoRequest(request, id, 500, 1);
    ASSERT_TRUE(socket.Send(loopback, request, sizeof request));
    EXPECT_FALSE(socket.WaitEchoReply(id, 501, 300)); // the reply to 500 is not one to 501

    BuildEchoRequest(request, id, 502, 2);
    ASSERT_TRUE(socket.Send(loopback, request, sizeof request));
    EXPECT_TRUE(socket.WaitEchoReply(id, 502, 1000));

    // A reply must carry the request's 4 data bytes after the 8 of its header.
    BuildEchoRequest(request, id, 504, 0); // zero data: the checksum holds for the header alone
    ASSERT_TRUE(socket.Send(loopback, request, 8));
    EXPECT_FALSE(socket.WaitEchoReply(id, 504, 300));

    if (socket.IsRaw()) { // a datagram socket's identifier is the kernel's own
        BuildEchoRequest(request, static_cast<uint16_t>(id + 1), 503, 3);
        ASSERT_TRUE(socket.Send(loopback, request, sizeof request));
        EXPECT_FALSE(socket.WaitEchoReply(id, 503, 300));
    }
}

} // namespace
