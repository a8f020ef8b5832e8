#pragma once
// A variable binding: an OID and one typed value. The syntax is the value's wire type (ASN.1 tag).
#include "snmpengine/Address.h"
#include "snmpengine/Counter64.h"
#include "snmpengine/OctetStr.h"
#include "snmpengine/Oid.h"
#include "snmpengine/TimeTicks.h"

#include <cstdint>
#include <string>
#include <utility>

namespace VbSyntax {
constexpr uint8_t Integer = 0x02;
constexpr uint8_t BitString = 0x03;
constexpr uint8_t OctetString = 0x04;
constexpr uint8_t Null = 0x05;
constexpr uint8_t ObjectId = 0x06;
constexpr uint8_t IpAddress = 0x40;
constexpr uint8_t Counter32 = 0x41;
constexpr uint8_t Gauge32 = 0x42;
constexpr uint8_t TimeTicks = 0x43;
constexpr uint8_t Opaque = 0x44;
constexpr uint8_t NsapAddress = 0x45;
constexpr uint8_t Counter64 = 0x46;
constexpr uint8_t UInteger32 = 0x47;
constexpr uint8_t NoSuchObject = 0x80;
constexpr uint8_t NoSuchInstance = 0x81;
constexpr uint8_t EndOfMibView = 0x82;
} // namespace VbSyntax

class Vb {
  public:
    Vb() = default;
    explicit Vb(const Oid& oid) : oid_(oid) {}
    explicit Vb(Oid&& oid) : oid_(std::move(oid)) {}

    void set_oid(const Oid& oid) { oid_ = oid; }
    void set_oid(Oid&& oid) { oid_ = std::move(oid); }
    template <typename Id> void set_oid(const Id* ids, size_t count) { oid_.assign(ids, count); }
    const Oid& get_oid() const { return oid_; }
    void get_oid(Oid& oid) const { oid = oid_; }
    std::string get_printable_oid() const { return oid_.get_printable(); }

    void set_value(int32_t value);                                      // Integer
    void set_value(uint32_t value, uint8_t syntax = VbSyntax::Gauge32); // Counter32, Gauge32, UInteger32
    void set_value(const TimeTicks& value);                             // TimeTicks
    void set_value(const Counter64& value);                             // Counter64
    void set_value(const OctetStr& value, uint8_t syntax = VbSyntax::OctetString); // also BitString, Opaque
    void set_value(const char* text) { set_value(OctetStr(text)); }
    void set_value(const unsigned char* bytes, size_t length, uint8_t syntax = VbSyntax::OctetString);
    void set_value(const IpAddress& value); // IpAddress (also NsapAddress)
    void set_value(const Oid& value);       // ObjectId
    void set_null();
    // Changes the wire type within the value's kind (e.g. Gauge32 to Counter32, OctetString to
    // Opaque); a type of another kind is refused and returns false.
    bool set_syntax(uint8_t syntax);

    uint8_t get_syntax() const { return syntax_; }
    bool is_exception() const;
    bool is_null() const { return kind_ == Kind::Null; }

    // Each getter returns 0 (SnmpStatus::Success) when the value has that kind, else
    // SnmpStatus::InvalidClass and leaves the argument. The numeric getters take any numeric kind.
    int get_value(int32_t& value) const;
    int get_value(uint32_t& value) const;
    int get_value(TimeTicks& value) const;
    int get_value(Counter64& value) const;
    int get_value(OctetStr& value) const;
    int get_value(IpAddress& value) const;
    int get_value(Oid& value) const;

    // Integers in decimal, time ticks in their printable form, octet strings as characters, IP
    // addresses and OIDs dotted; a null or exception value prints empty.
    std::string get_printable_value() const;

  private:
    enum class Kind { Null, Signed, Unsigned, Unsigned64, Bytes, ObjectId };
    Oid oid_;
    Kind kind_ = Kind::Null;
    uint8_t syntax_ = VbSyntax::Null;
    int64_t number_ = 0;
    uint64_t number64_ = 0;
    std::string bytes_;
    Oid oidValue_;
};
