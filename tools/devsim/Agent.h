#pragma once
// Net-SNMP's agent library set up as a standalone master agent on one loopback UDP port.

#include <functional>
#include <string>

namespace devsim {

class Device;

class Agent {
  public:
    explicit Agent(Device& device) : device_(device) {}
    Agent(const Agent&) = delete;
    Agent& operator=(const Agent&) = delete;
    ~Agent();

    // stateDir must be an absolute, existing folder. Returns false with a message on failure.
    bool Start(const std::string& stateDir, std::string& error);

    // Serves requests until stop() is true; onInput runs when the control descriptor is readable.
    void Run(int controlFd, const std::function<void()>& onInput, const std::function<bool()>& stop);

  private:
    Device& device_;
    bool started_ = false;
};

} // namespace devsim
