#pragma once
// A protocol data unit: its variable bindings and the fields of one request or answer.
#include "snmpengine/OctetStr.h"
#include "snmpengine/Vb.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace PduType {
constexpr uint8_t GetRequest = 0xA0;
constexpr uint8_t GetNextRequest = 0xA1;
constexpr uint8_t Response = 0xA2;
constexpr uint8_t SetRequest = 0xA3;
constexpr uint8_t GetBulkRequest = 0xA5;
constexpr uint8_t Report = 0xA8;
} // namespace PduType

// Security levels of an SNMPv3 request.
namespace SecurityLevel {
constexpr int NoAuthNoPriv = 1;
constexpr int AuthNoPriv = 2;
constexpr int AuthPriv = 3;
} // namespace SecurityLevel

class Pdu {
  public:
    Pdu() = default;
    Pdu(const Vb* vbs, int count) : vbs_(vbs, vbs + count) {}

    int get_vb_count() const { return static_cast<int>(vbs_.size()); }
    const Vb& get_vb(int index) const { return vbs_.at(static_cast<size_t>(index)); }
    void get_vb(Vb& vb, int index) const { vb = get_vb(index); }
    void set_vb(const Vb& vb, int index) { vbs_.at(static_cast<size_t>(index)) = vb; }
    Pdu& operator+=(const Vb& vb) {
        vbs_.push_back(vb);
        return *this;
    }
    Pdu& operator+=(Vb&& vb) {
        vbs_.push_back(std::move(vb));
        return *this;
    }
    void clear_vbs() { vbs_.clear(); }
    const std::vector<Vb>& vbs() const { return vbs_; }
    std::vector<Vb>& vbs() { return vbs_; }

    // In an answer: the agent's error status (1 to 19; 2 also when a binding came back as an SNMPv2
    // exception) or, for a failed asynchronous request, the engine status of that failure.
    int get_error_status() const { return errorStatus_; }
    int get_error_index() const { return errorIndex_; }
    void set_error_status(int status) { errorStatus_ = status; }
    void set_error_index(int index) { errorIndex_ = index; }

    uint8_t get_type() const { return type_; }
    void set_type(uint8_t type) { type_ = type; }
    unsigned long get_request_id() const { return requestId_; }
    void set_request_id(unsigned long id) { requestId_ = id; }

    int get_security_level() const { return securityLevel_; }
    void set_security_level(int level) { securityLevel_ = level; }
    const OctetStr& get_context_name() const { return contextName_; }
    void set_context_name(const OctetStr& name) { contextName_ = name; }
    const OctetStr& get_context_engine_id() const { return contextEngineId_; }
    void set_context_engine_id(const OctetStr& id) { contextEngineId_ = id; }

  private:
    std::vector<Vb> vbs_;
    int errorStatus_ = 0;
    int errorIndex_ = 0;
    uint8_t type_ = PduType::GetRequest;
    unsigned long requestId_ = 0;
    int securityLevel_ = SecurityLevel::NoAuthNoPriv;
    OctetStr contextName_;
    OctetStr contextEngineId_;
};
