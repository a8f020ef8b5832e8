#pragma once
// The simulated access point: its objects, their behaviour, its traffic gate and its log.

#include "tools/devsim/ObjectHooks.h"
#include "tools/devsim/ObjectStore.h"
#include "tools/devsim/Options.h"
#include "tools/devsim/PacketGate.h"
#include "tools/devsim/PduLog.h"

#include <chrono>
#include <cstdint>

namespace devsim {

class Device {
  public:
    explicit Device(const Options& options) : options_(options), bootTime_(PacketGate::Clock::now()) {}

    ObjectStore& Store() { return store_; }
    HookTable& Hooks() { return hooks_; }
    PacketGate& Gate() { return gate_; }
    PduLog& Log() { return log_; }
    const Options& Settings() const { return options_; }

    // Answers the request in hand, then is silent for the restart time and comes back fresh.
    void Restart();
    // Restarts before answering: the request in hand gets no answer.
    void RestartUnanswered();
    // Hundredths of a second since the device last came up.
    uint32_t UptimeTicks() const;
    // What a read returns: a write-only object its initial value, a computed object its hook's.
    Value ReadValue(const Object& object) const;

  private:
    const Options& options_;
    ObjectStore store_;
    HookTable hooks_;
    PacketGate gate_;
    PduLog log_;
    PacketGate::Clock::time_point bootTime_;
};

// The behaviour of the device's own objects (action objects, computed values).
void InstallDeviceHooks(Device& device);
// The log's transfer and clear commands (LogHooks.cpp).
void InstallLogHooks(Device& device);
// The configuration file's transfer, save and reboot commands (CfgFileHooks.cpp).
void InstallCfgFileHooks(Device& device);
// Reboot and factory reset (SystemHooks.cpp).
void InstallSystemHooks(Device& device);
void InstallFirmwareHooks(Device& device);
// The data-rate reset action (DataRateHooks.cpp).
void InstallDataRateHooks(Device& device);
// The site scan trigger and the WEP keys (SiteSurveyHooks.cpp).
void InstallSiteSurveyHooks(Device& device);
void InstallSntpHooks(Device& device);
// The static DHCP binding's delete-by-MAC action (DhcpHooks.cpp).
void InstallDhcpHooks(Device& device);
// Rogue AP scan, add and delete actions (RogueHooks.cpp).
void InstallRogueHooks(Device& device);

} // namespace devsim
