// Function-local statics like the shared tables: the option lists exist by the first call.
#include "forms/network/RogueApRows.h"

#include "app/mib/MibOptionLists.h"

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {
namespace {

// The found list's key has no column of its own: its value is the row's instance.
constexpr const char* kInstanceOnly = " ";

} // namespace

const VarDef* adRadioWave_1() {
    static const VarDef rows[] = {
        Row(E ".3.1.1.11.1", "adRadioWave", SYN_INTEGER, ACC_READWRITE, adRadioWaveOptions2()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* bssTypeDetected_to_securityTypeDetected() {
    static const VarDef rows[] = {
        Row(E ".3.6.1.0", "bssTypeDetected", SYN_INTEGER, ACC_READWRITE, bssTypeDetectedOptions()),
        Row(E ".3.6.2.0", "bandTypeDetected", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.6.3.0", "securityTypeDetected", SYN_INTEGER, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* rogueAPDetect() {
    static const VarDef rows[] = {
        Row(E ".3.6.4.1.1", "rogueAPDetect", SYN_INTEGER, ACC_READWRITE, rogueAPDetectOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* addRogueAPtoAPList() {
    static const VarDef rows[] = {
        Row(E ".3.6.4.1.2", "addRogueAPtoAPList", SYN_INTEGER, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* deleteRogueAPFromResult() {
    static const VarDef rows[] = {
        Row(E ".3.6.4.1.3", "deleteRogueAPFromResult", SYN_INTEGER, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* deleteRogueAPfromAPList() {
    static const VarDef rows[] = {
        Row(E ".3.6.4.2.1", "deleteRogueAPfromAPList", SYN_INTEGER, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

#define ROGUE_COLUMNS(T)                                                                                     \
    Row(T ".2", "Type", SYN_DISPLAYSTR, ACC_READONLY), Row(T ".3", "CH", SYN_INTEGER, ACC_READONLY),         \
        Row(T ".5", "BSSID", SYN_MACADDRESS, ACC_READONLY),                                                  \
        Row(T ".9", "Security", SYN_INTEGER, ACC_READONLY, SecurityOptions()),                               \
        Row(T ".7", "Mode", SYN_INTEGER, ACC_READONLY, ModeOptions()),                                       \
        Row(T ".8", "SSID", SYN_DISPLAYSTR, ACC_READONLY), EndOfRows()

const VarDef* ifIndex_to_SSID() {
    static const VarDef rows[] = {
        Row(kInstanceOnly, "ifIndex", SYN_INTEGER, ACC_NOTACCESS),
        ROGUE_COLUMNS(E ".3.6.4.1.4.1"),
    };
    return rows;
}

const VarDef* Index_to_SSID() {
    static const VarDef rows[] = {
        Row(E ".2.10.4.2.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS),
        ROGUE_COLUMNS(E ".3.6.4.2.2.1"),
    };
    return rows;
}

const VarDef* rogueApProtectionSupported() {
    static const VarDef rows[] = {
        Row(E ".99.1.1.48", "rogueApProtectionSupported", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adRogueApProtection() {
    static const VarDef rows[] = {
        Row(E ".3.6.5", "adRogueApProtection", SYN_INTEGER, ACC_READWRITE, adRogueApProtectionOptions()),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
