// Fuzz target: what a device answers goes through the conversions a read or walk runs on every
// binding: value to text, text to value, the bindings' byte forms and the index coding of table
// keys. Input layout: octet 0 picks the syntax, octet 1 the second key's syntax and the value's
// kind (low two bits), octet 2 the option list and IMPLIED flag; the rest is the payload, used as
// octets, as numbers, as sub-identifiers and as text.
#include "library/common/NxOptionList.h"
#include "library/snmp/NxBindingBytes.h"
#include "library/snmp/NxSNMPIndex.h"
#include "library/snmp/NxSNMPValue.h"
#include "library/snmp/NxSNMPVarList.h"
#include "platform/Exception.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int32_t kSyntaxes[] = {SYN_BOOLEAN,
                             SYN_INTEGER,
                             SYN_BITSTR,
                             SYN_OCTETSTR,
                             SYN_NULL,
                             SYN_OBJECTID,
                             SYN_IPADDRESS,
                             SYN_COUNTER,
                             SYN_GAUGE,
                             SYN_TIMETICKS,
                             SYN_OPAQUE,
                             SYN_NSAPADDR,
                             SYN_COUNTER64,
                             SYN_UINTEGER,
                             SYN_DOUBLE,
                             SYN_MACADDRESS,
                             SYN_DATETIME,
                             SYN_BCDATETIME,
                             SYN_DISPLAYSTR,
                             SYN_BOOL8,
                             SYN_INT8,
                             SYN_UINT8,
                             SYN_BOOL16,
                             SYN_INT16,
                             SYN_UINT16,
                             0,
                             99};

const OptionDef kNumbered[] = {IntOption(0, "Off"), IntOption(1, "On"), IntOption(-5, "Low"), EndOfOptions()};
const OptionDef kTexted[] = {TextOption("a", "Alpha"), TextOption("1.3", "Tree"), EndOfOptions()};
NxOptionList gNumbered(kNumbered, NxOptionList::IntegerKeys, false);
NxOptionList gTexted(kTexted, NxOptionList::TextKeys, true);
NxOptionList gPrefixed(kTexted, NxOptionList::PrefixKeys, true);
NxOptionList* const kOptions[] = {nullptr, &gNumbered, &gTexted, &gPrefixed};

int32_t SyntaxOf(uint8_t octet) {
    return kSyntaxes[octet % (sizeof kSyntaxes / sizeof kSyntaxes[0])];
}

// Runs one conversion; the library's own refusals are expected, anything else is a fault.
template <typename F> void Refusable(F f) {
    try {
        f();
    } catch (const Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const int32_t syntax = SyntaxOf(data[0]);
    const int32_t keySyntax = SyntaxOf(static_cast<uint8_t>(data[1] >> 2));
    NxOptionList* options = kOptions[data[2] % 4];
    const bool implied = data[2] & 4;
    const std::string payload(reinterpret_cast<const char*>(data + 3), size - 3);

    NxSNMPValue value;
    value.Syntax = syntax;
    switch (data[1] & 3) {
    case 0:
        break;
    case 1:
        value.Type = NxSNMPValue::Kind::Number;
        std::memcpy(&value.Number, payload.data(), std::min(payload.size(), sizeof value.Number));
        break;
    case 2:
        value.Type = NxSNMPValue::Kind::Bytes;
        value.Octets = payload;
        break;
    default:
        value.Type = NxSNMPValue::Kind::Ids;
        for (size_t at = 0; at + 4 <= payload.size(); at += 4) {
            uint32_t id = 0;
            std::memcpy(&id, payload.data() + at, 4);
            value.Oid.push_back(id);
        }
        break;
    }

    // An answered binding shown as text, and that text sent back.
    std::string text;
    VarDef row = Row("1.3.6.1.4.1.9.1", "x", syntax, ACC_READWRITE, options);
    row.Value = &text;
    Refusable([&] { text = ValueToText(row, value); });
    Refusable([&] { TextToValue(row); });
    text = payload;
    Refusable([&] { TextToValue(row); });

    // The byte forms that bindings cut parts from.
    Refusable([&] { BytesToText(syntax, payload); });
    Refusable([&] { BytesToText(syntax, TextToBytes(syntax, payload)); });
    Refusable([&] { CutPart(payload, static_cast<int32_t>(data[1]) - 8, syntax); });

    // An answer's OID suffix decoded into two keys, from text and from sub-identifiers, and the
    // keys coded again.
    const VarDef keys[] = {Row("1.3.6.1.4.1.9.2.1", "k1", syntax, ACC_NOTACCESS, options),
                           Row("1.3.6.1.4.1.9.2.2", "k2", keySyntax,
                               ACC_NOTACCESS | (implied ? static_cast<uint32_t>(ACC_IMPLIED) : 0U)),
                           Row("1.3.6.1.4.1.9.2.3", "v", SYN_INTEGER, ACC_READONLY), EndOfRows()};
    NxSNMPVarList list(keys, MVT_UMV, 2);
    std::vector<uint32_t> ids;
    for (unsigned char c : payload)
        ids.push_back(c < 200 ? c : 0xFFFFFF00u | c);
    for (const std::string& suffix : {payload, DottedIds(ids)}) {
        Refusable([&] {
            const std::string rest = DecodeIndex(list, 0, suffix);
            DecodeIndex(list, 1, rest);
        });
        Refusable([&] { EncodeIndex(list, 0); });
        Refusable([&] { EncodeIndex(list, 1); });
    }
    return 0;
}
