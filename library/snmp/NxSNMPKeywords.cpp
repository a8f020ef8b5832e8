#include "library/snmp/NxSNMPKeywords.h"

namespace {

const OptionDef kItemTypes[] = {IntOption(0, "SVT_SV"), IntOption(1, "MVT_SV"), IntOption(2, "MVT_FMV"),
                                IntOption(3, "MVT_UMV"), EndOfOptions()};

const OptionDef kSyntaxes[] = {IntOption(2, "integer"),     IntOption(3, "bitstr"),
                               IntOption(4, "octetstr"),    IntOption(5, "null"),
                               IntOption(6, "objectid"),    IntOption(64, "ipaddress"),
                               IntOption(65, "counter"),    IntOption(66, "guage"),
                               IntOption(67, "timeticks"),  IntOption(68, "opaque"),
                               IntOption(70, "counter64"),  IntOption(1, "boolean"),
                               IntOption(69, "nsapaddr"),   IntOption(71, "uinteger"),
                               IntOption(72, "double"),     IntOption(73, "macaddress"),
                               IntOption(74, "datetime"),   IntOption(75, "bcdatetime"),
                               IntOption(76, "displaystr"), IntOption(193, "bool8"),
                               IntOption(194, "int8"),      IntOption(195, "uint8"),
                               IntOption(196, "bool16"),    IntOption(197, "int16"),
                               IntOption(198, "uint16"),    EndOfOptions()};

const OptionDef kAccess[] = {
    IntOption(1, "notaccess"), IntOption(2, "readonly"), IntOption(4, "writeonly"), IntOption(6, "readwrite"),
    IntOption(8, "derived"),   IntOption(16, "hidden"),  IntOption(32, "invalid"),  EndOfOptions()};

} // namespace

const NxOptionList& ItemTypeKeywords() {
    static const NxOptionList list(kItemTypes, NxOptionList::IntegerKeys, false);
    return list;
}

const NxOptionList& SyntaxKeywords() {
    static const NxOptionList list(kSyntaxes, NxOptionList::IntegerKeys, false);
    return list;
}

const NxOptionList& AccessKeywords() {
    static const NxOptionList list(kAccess, NxOptionList::IntegerKeys, false);
    return list;
}
