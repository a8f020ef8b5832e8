#pragma once
// Where and how a request goes: the agent's address, the protocol version, retries and time-out,
// and either communities (CTarget) or a USM user (UTarget).
#include "snmpengine/Address.h"
#include "snmpengine/OctetStr.h"

#include <memory>

enum SnmpVersion { version1 = 0, version2c = 1, version3 = 3 };

// Security models.
namespace SecurityModel {
constexpr int V1 = 1;
constexpr int V2c = 2;
constexpr int Usm = 3;
} // namespace SecurityModel

class SnmpTarget {
  public:
    virtual ~SnmpTarget() = default;
    virtual std::unique_ptr<SnmpTarget> clone() const = 0;

    bool valid() const { return address_.valid() && address_.get_port() != 0; }
    void set_address(const UdpAddress& address) { address_ = address; }
    const UdpAddress& get_address() const { return address_; }
    void get_address(UdpAddress& address) const { address = address_; }

    SnmpVersion get_version() const { return version_; }
    void set_version(SnmpVersion version) { version_ = version; }
    int get_retry() const { return retries_; }
    void set_retry(int retries) { retries_ = retries < 0 ? 0 : retries; }
    // In hundredths of a second.
    unsigned long get_timeout() const { return timeout_; }
    void set_timeout(unsigned long hundredths) { timeout_ = hundredths; }

  protected:
    SnmpTarget() = default;
    explicit SnmpTarget(const UdpAddress& address) : address_(address) {}

  private:
    UdpAddress address_;
    SnmpVersion version_ = version1;
    int retries_ = 1;
    unsigned long timeout_ = 100;
};

class CTarget : public SnmpTarget {
  public:
    CTarget() = default;
    explicit CTarget(const UdpAddress& address, const OctetStr& readCommunity = "public",
                     const OctetStr& writeCommunity = "public")
        : SnmpTarget(address), read_(readCommunity), write_(writeCommunity) {}
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<CTarget>(*this); }

    const OctetStr& get_readcommunity() const { return read_; }
    void set_readcommunity(const OctetStr& community) { read_ = community; }
    const OctetStr& get_writecommunity() const { return write_; }
    void set_writecommunity(const OctetStr& community) { write_ = community; }

  private:
    OctetStr read_ = "public";
    OctetStr write_ = "public";
};

class UTarget : public SnmpTarget {
  public:
    UTarget() { set_version(version3); }
    explicit UTarget(const UdpAddress& address, const OctetStr& securityName = "",
                     int securityModel = SecurityModel::Usm)
        : SnmpTarget(address), name_(securityName), model_(securityModel) {
        set_version(version3);
    }
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<UTarget>(*this); }

    const OctetStr& get_security_name() const { return name_; }
    void set_security_name(const OctetStr& name) { name_ = name; }
    int get_security_model() const { return model_; }
    void set_security_model(int model) { model_ = model; }

  private:
    OctetStr name_;
    int model_ = SecurityModel::Usm;
};
