#pragma once
// One MIB object row of a static table. Static tables set the first five fields and leave the
// rest null; a row whose OID is null ends a table.
#include <cstdint>
#include <string>

class NxOptionList;

struct VarDef {
    const char* OID;
    const char* Name;
    int32_t Syntax;
    uint32_t Access;
    NxOptionList* Options; // shared, never owned by the row
    const char* AfterGet;
    const char* BeforeSet;
    const char* Condition;
    std::string* Value;  // run time: the current value text
    std::string* Cursor; // run time: the OID last answered for this column in a walk
};

// Syntax codes.
enum : int32_t {
    SYN_BOOLEAN = 1,
    SYN_INTEGER = 2,
    SYN_BITSTR = 3,
    SYN_OCTETSTR = 4,
    SYN_NULL = 5,
    SYN_OBJECTID = 6,
    SYN_IPADDRESS = 64,
    SYN_COUNTER = 65,
    SYN_GAUGE = 66,
    SYN_TIMETICKS = 67,
    SYN_OPAQUE = 68,
    SYN_NSAPADDR = 69,
    SYN_COUNTER64 = 70,
    SYN_UINTEGER = 71,
    SYN_DOUBLE = 72,
    SYN_MACADDRESS = 73,
    SYN_DATETIME = 74,
    SYN_BCDATETIME = 75,
    SYN_DISPLAYSTR = 76,
    SYN_BOOL8 = 193,
    SYN_INT8 = 194,
    SYN_UINT8 = 195,
    SYN_BOOL16 = 196,
    SYN_INT16 = 197,
    SYN_UINT16 = 198
};

// Access flags.
enum : uint32_t {
    ACC_NOTACCESS = 1,
    ACC_READONLY = 2,
    ACC_WRITEONLY = 4,
    ACC_READWRITE = 6,
    ACC_DERIVED = 8,
    ACC_HIDDEN = 16,
    ACC_INVALID = 32,
    ACC_IMPLIED = 64
};

// Item types of a variable list.
enum : uint8_t { SVT_SV = 0, MVT_SV = 1, MVT_FMV = 2, MVT_UMV = 3 };

// A static row: what the tables write.
inline constexpr VarDef Row(const char* oid, const char* name, int32_t syntax, uint32_t access,
                            NxOptionList* options = nullptr) {
    return VarDef{oid, name, syntax, access, options, nullptr, nullptr, nullptr, nullptr, nullptr};
}
inline constexpr VarDef EndOfRows() {
    return Row(nullptr, nullptr, 0, 0);
}
