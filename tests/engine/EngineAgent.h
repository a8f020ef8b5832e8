#pragma once
// A simulated device for the engine's tests: ktx-devsim on a free loopback port with the engine
// test data, the communities public/private and two SNMPv3 users.
#include <cstdint>
#include <string>

class EngineAgent {
  public:
    // extra: further command-line arguments, e.g. "--fail 1.3.6...=wrongValue".
    explicit EngineAgent(const std::string& extra = "");
    ~EngineAgent();
    EngineAgent(const EngineAgent&) = delete;
    EngineAgent& operator=(const EngineAgent&) = delete;

    bool Running() const { return pid_ > 0; }
    uint16_t Port() const { return port_; }
    std::string Log() const; // the agent's received-PDU log

    static uint16_t FreePort();

  private:
    int pid_ = -1;
    uint16_t port_ = 0;
    std::string folder_;
};
