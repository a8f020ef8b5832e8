#pragma once
// Sits between the agent and its UDP transport: silence (restarts, tests), lost and late replies.

#include <chrono>
#include <deque>
#include <string>

struct netsnmp_transport_s;

namespace devsim {

class PacketGate {
  public:
    using Clock = std::chrono::steady_clock;

    // Wraps the transport's send; only one transport is gated.
    void Attach(netsnmp_transport_s* transport);

    // Silent: requests are neither processed nor answered. SilenceAfterReply starts when the
    // packet being handled has been answered (a restart answers its SET first).
    void SilenceFor(double seconds);
    void SilenceAfterReply(double seconds);
    bool Silent() const;
    void PacketDone();

    void DropReplies(int count) { dropCount_ = count; }
    void SetDelay(int millis) { delayMillis_ = millis; }

    // Sends the delayed replies that are due; the time until the next one (-1 when none).
    void FlushDue();
    long MillisUntilNextDue() const;

  private:
    struct Pending {
        Clock::time_point due;
        std::string data;
        std::string address;
    };
    static int GatedSend(netsnmp_transport_s* t, const void* buf, int size, void** opaque, int* olength);
    int Send(netsnmp_transport_s* t, const void* buf, int size, void** opaque, int* olength);

    netsnmp_transport_s* transport_ = nullptr;
    int (*realSend_)(netsnmp_transport_s*, const void*, int, void**, int*) = nullptr;
    Clock::time_point silentUntil_{};
    double pendingSilence_ = 0;
    int dropCount_ = 0;
    int delayMillis_ = 0;
    std::deque<Pending> pending_;
};

} // namespace devsim
