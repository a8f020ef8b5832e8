#include "snmpengine/Vb.h"

#include "snmpengine/SnmpStatus.h"

void Vb::set_value(int32_t value) {
    set_null();
    kind_ = Kind::Signed;
    syntax_ = VbSyntax::Integer;
    number_ = value;
}

void Vb::set_value(uint32_t value, uint8_t syntax) {
    set_null();
    kind_ = Kind::Unsigned;
    syntax_ = VbSyntax::Gauge32;
    number_ = value;
    set_syntax(syntax);
}

void Vb::set_value(const TimeTicks& value) {
    set_value(uint32_t(value), VbSyntax::TimeTicks);
}

void Vb::set_value(const Counter64& value) {
    set_null();
    kind_ = Kind::Unsigned64;
    syntax_ = VbSyntax::Counter64;
    number64_ = value;
}

void Vb::set_value(const OctetStr& value, uint8_t syntax) {
    set_null();
    kind_ = Kind::Bytes;
    syntax_ = VbSyntax::OctetString;
    bytes_ = value.bytes();
    set_syntax(syntax);
}

void Vb::set_value(const unsigned char* bytes, size_t length, uint8_t syntax) {
    set_null();
    kind_ = Kind::Bytes;
    syntax_ = VbSyntax::OctetString;
    bytes_.assign(reinterpret_cast<const char*>(bytes), length);
    set_syntax(syntax);
}

void Vb::set_value(const IpAddress& value) {
    set_null();
    kind_ = Kind::Bytes;
    syntax_ = VbSyntax::IpAddress;
    bytes_.assign(reinterpret_cast<const char*>(value.octets()), 4);
}

void Vb::set_value(const Oid& value) {
    set_null();
    kind_ = Kind::ObjectId;
    syntax_ = VbSyntax::ObjectId;
    oidValue_ = value;
}

void Vb::set_null() {
    kind_ = Kind::Null;
    syntax_ = VbSyntax::Null;
    number_ = 0;
    number64_ = 0;
    bytes_.clear();
    oidValue_ = Oid();
}

bool Vb::set_syntax(uint8_t syntax) {
    bool fits = false;
    switch (kind_) {
    case Kind::Null:
        fits = syntax == VbSyntax::Null || syntax == VbSyntax::NoSuchObject ||
               syntax == VbSyntax::NoSuchInstance || syntax == VbSyntax::EndOfMibView;
        break;
    case Kind::Signed:
        fits = syntax == VbSyntax::Integer;
        break;
    case Kind::Unsigned:
        fits = syntax == VbSyntax::Counter32 || syntax == VbSyntax::Gauge32 ||
               syntax == VbSyntax::TimeTicks || syntax == VbSyntax::UInteger32;
        break;
    case Kind::Unsigned64:
        fits = syntax == VbSyntax::Counter64;
        break;
    case Kind::Bytes:
        fits = syntax == VbSyntax::OctetString || syntax == VbSyntax::BitString ||
               syntax == VbSyntax::Opaque ||
               ((syntax == VbSyntax::IpAddress || syntax == VbSyntax::NsapAddress) && bytes_.size() == 4);
        break;
    case Kind::ObjectId:
        fits = syntax == VbSyntax::ObjectId;
        break;
    }
    if (fits)
        syntax_ = syntax;
    return fits;
}

bool Vb::is_exception() const {
    return syntax_ == VbSyntax::NoSuchObject || syntax_ == VbSyntax::NoSuchInstance ||
           syntax_ == VbSyntax::EndOfMibView;
}

int Vb::get_value(int32_t& value) const {
    if (kind_ == Kind::Signed || kind_ == Kind::Unsigned)
        value = static_cast<int32_t>(number_);
    else if (kind_ == Kind::Unsigned64)
        value = static_cast<int32_t>(number64_);
    else
        return SnmpStatus::InvalidClass;
    return SnmpStatus::Success;
}

int Vb::get_value(uint32_t& value) const {
    if (kind_ == Kind::Signed || kind_ == Kind::Unsigned)
        value = static_cast<uint32_t>(number_);
    else if (kind_ == Kind::Unsigned64)
        value = static_cast<uint32_t>(number64_);
    else
        return SnmpStatus::InvalidClass;
    return SnmpStatus::Success;
}

int Vb::get_value(TimeTicks& value) const {
    uint32_t ticks = 0;
    const int status = get_value(ticks);
    if (status == SnmpStatus::Success)
        value = TimeTicks(ticks);
    return status;
}

int Vb::get_value(Counter64& value) const {
    if (kind_ == Kind::Unsigned64)
        value = Counter64(number64_);
    else if (kind_ == Kind::Unsigned)
        value = Counter64(static_cast<uint64_t>(number_));
    else if (kind_ == Kind::Signed)
        value = Counter64(static_cast<uint64_t>(static_cast<uint32_t>(number_)));
    else
        return SnmpStatus::InvalidClass;
    return SnmpStatus::Success;
}

int Vb::get_value(OctetStr& value) const {
    if (kind_ != Kind::Bytes)
        return SnmpStatus::InvalidClass;
    value = OctetStr(bytes_);
    return SnmpStatus::Success;
}

int Vb::get_value(IpAddress& value) const {
    if (kind_ != Kind::Bytes || bytes_.size() != 4)
        return SnmpStatus::InvalidClass;
    value = IpAddress(reinterpret_cast<const uint8_t*>(bytes_.data()));
    return SnmpStatus::Success;
}

int Vb::get_value(Oid& value) const {
    if (kind_ != Kind::ObjectId)
        return SnmpStatus::InvalidClass;
    value = oidValue_;
    return SnmpStatus::Success;
}

std::string Vb::get_printable_value() const {
    switch (kind_) {
    case Kind::Null:
        return {};
    case Kind::Signed:
        return std::to_string(number_);
    case Kind::Unsigned:
        if (syntax_ == VbSyntax::TimeTicks)
            return TimeTicks(static_cast<uint32_t>(number_)).get_printable();
        return std::to_string(number_);
    case Kind::Unsigned64:
        return std::to_string(number64_);
    case Kind::Bytes:
        if (syntax_ == VbSyntax::IpAddress || syntax_ == VbSyntax::NsapAddress)
            return IpAddress(reinterpret_cast<const uint8_t*>(bytes_.data())).get_printable();
        return bytes_;
    case Kind::ObjectId:
        return oidValue_.get_printable();
    }
    return {};
}
