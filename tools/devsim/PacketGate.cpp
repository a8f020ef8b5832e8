#include "tools/devsim/PacketGate.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <cstdlib>
#include <cstring>

namespace devsim {
namespace {

PacketGate* gGate = nullptr;

PacketGate::Clock::duration Seconds(double s) {
    return std::chrono::duration_cast<PacketGate::Clock::duration>(std::chrono::duration<double>(s));
}

} // namespace

void PacketGate::Attach(netsnmp_transport_s* transport) {
    gGate = this;
    transport_ = transport;
    realSend_ = transport->f_send;
    transport->f_send = &PacketGate::GatedSend;
}

void PacketGate::SilenceFor(double seconds) {
    silentUntil_ = Clock::now() + Seconds(seconds);
    // Replies still waiting would leave a silent device.
    pending_.clear();
}

void PacketGate::SilenceAfterReply(double seconds) {
    pendingSilence_ = seconds;
}

bool PacketGate::Silent() const {
    return Clock::now() < silentUntil_;
}

void PacketGate::PacketDone() {
    if (pendingSilence_ > 0) {
        double s = pendingSilence_;
        pendingSilence_ = 0;
        FlushDue();
        SilenceFor(s);
    }
}

int PacketGate::GatedSend(netsnmp_transport_s* t, const void* buf, int size, void** opaque, int* olength) {
    return gGate->Send(t, buf, size, opaque, olength);
}

int PacketGate::Send(netsnmp_transport_s* t, const void* buf, int size, void** opaque, int* olength) {
    if (Silent())
        return size;
    if (dropCount_ > 0) {
        --dropCount_;
        return size;
    }
    if (delayMillis_ > 0 && opaque && *opaque && olength && *olength > 0) {
        Pending p;
        p.due = Clock::now() + std::chrono::milliseconds(delayMillis_);
        p.data.assign(static_cast<const char*>(buf), static_cast<size_t>(size));
        p.address.assign(static_cast<const char*>(*opaque), static_cast<size_t>(*olength));
        pending_.push_back(std::move(p));
        return size;
    }
    return realSend_(t, buf, size, opaque, olength);
}

void PacketGate::FlushDue() {
    auto now = Clock::now();
    while (!pending_.empty() && pending_.front().due <= now) {
        Pending p = std::move(pending_.front());
        pending_.pop_front();
        void* address = std::malloc(p.address.size());
        if (!address)
            continue;
        std::memcpy(address, p.address.data(), p.address.size());
        int length = static_cast<int>(p.address.size());
        realSend_(transport_, p.data.data(), static_cast<int>(p.data.size()), &address, &length);
        std::free(address);
    }
}

long PacketGate::MillisUntilNextDue() const {
    if (pending_.empty())
        return -1;
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(pending_.front().due - Clock::now()).count();
    return left < 0 ? 0 : static_cast<long>(left);
}

} // namespace devsim
