#include "tools/devsim/Device.h"

namespace devsim {

void Device::Restart() {
    gate_.SilenceAfterReply(options_.restartSeconds);
    bootTime_ = PacketGate::Clock::now() + std::chrono::duration_cast<PacketGate::Clock::duration>(
                                               std::chrono::duration<double>(options_.restartSeconds));
}

void Device::RestartUnanswered() {
    gate_.SilenceFor(options_.restartSeconds);
    bootTime_ = PacketGate::Clock::now() + std::chrono::duration_cast<PacketGate::Clock::duration>(
                                               std::chrono::duration<double>(options_.restartSeconds));
}

uint32_t Device::UptimeTicks() const {
    auto now = PacketGate::Clock::now();
    if (now < bootTime_)
        return 0;
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now - bootTime_).count() / 10);
}

Value Device::ReadValue(const Object& object) const {
    if (const ObjectHooks* h = hooks_.Find(object.oid); h && h->read)
        return h->read(object);
    return object.access == Access::WriteOnly ? object.initial : object.value;
}

} // namespace devsim
