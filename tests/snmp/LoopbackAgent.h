#pragma once
// A tiny SNMPv1/v2c agent on a loopback port, served from its own thread, that answers each
// request with whatever the test's answer function returns: bindings out of order, fewer
// bindings than asked, values of another type. Only for the faults a real agent will not make.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

struct AgentBinding {
    std::vector<uint32_t> Oid;
    uint8_t Type =
        0x05; // BER tag: 0x02 integer, 0x04 octets, 0x41..0x47 application types, 0x82 endOfMibView
    uint64_t Number = 0; // integers as two's complement
    std::string Octets;  // for an integer, when given: its contents octets as they stand
};

// pduType: 0xA0 GET, 0xA1 GETNEXT, 0xA3 SET; asked: the request's OIDs in order.
using AgentAnswer = std::function<std::vector<AgentBinding>(uint8_t pduType,
                                                            const std::vector<std::vector<uint32_t>>& asked)>;

class LoopbackAgent {
  public:
    explicit LoopbackAgent(AgentAnswer answer);
    ~LoopbackAgent();
    LoopbackAgent(const LoopbackAgent&) = delete;
    LoopbackAgent& operator=(const LoopbackAgent&) = delete;

    int Port() const { return Port_; }
    int Requests() const { return Requests_.load(); }

  private:
    void Serve();

    AgentAnswer Answer_;
    int Fd_ = -1;
    int Port_ = 0;
    std::atomic<int> Requests_{0};
    std::atomic<bool> Stop_{false};
    std::thread Thread_;
};

// "1.3.6.1.4" as sub-identifiers.
std::vector<uint32_t> AgentOid(const std::string& text);
