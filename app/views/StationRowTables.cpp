// Function-local statics, so that the option-list pointers are taken on first use.
#include "app/views/StationRowTables.h"

#include "app/mib/MibOptionLists.h"

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {

const VarDef* stGetClient() {
    static const VarDef rows[] = {
        Row(E ".6.4.1.1.1.1", "stGetClient", SYN_INTEGER, ACC_READWRITE, stGetClientOptions()),
        Row(E ".6.4.1.1.1.2", "stGetClient", SYN_INTEGER, ACC_READWRITE, stGetClientOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* stClientNum() {
    static const VarDef rows[] = {
        Row(E ".6.4.3.1.1.1", "stClientNum", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.4.3.1.1.2", "stClientNum", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* stClientIndex_to_stClientPSM() {
    static const VarDef rows[] = {
        Row(E ".6.4.2.1.1", "stClientIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".6.4.2.1.7", "stSSIDIndex", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.4.2.1.2", "stClientMAC", SYN_MACADDRESS, ACC_READONLY),
        Row(E ".6.4.2.1.3", "stClientBand", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.4.2.1.4", "stClientAuth", SYN_INTEGER, ACC_READONLY, stClientAuthOptions()),
        Row(E ".6.4.2.1.5", "stClientRSSI", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.4.2.1.6", "stClientPSM", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* wdsClientinfoGet() {
    static const VarDef rows[] = {
        Row(E ".6.7.1.1.1.1", "wdsClientinfoGet", SYN_INTEGER, ACC_READWRITE, wdsClientinfoGetOptions()),
        Row(E ".6.7.1.1.1.2", "wdsClientinfoGet", SYN_INTEGER, ACC_READWRITE, wdsClientinfoGetOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* wdsClientNum() {
    static const VarDef rows[] = {
        Row(E ".6.7.3.1.1.1", "wdsClientNum", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.7.3.1.1.2", "wdsClientNum", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* Index_to_wdsClientinfoChannel() {
    static const VarDef rows[] = {
        Row(E ".6.7.2.1.1", " Index", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".6.7.2.1.7", "SSID", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.7.2.1.3", "MAC", SYN_MACADDRESS, ACC_READONLY),
        Row(E ".6.7.2.1.2", "Band", SYN_INTEGER, ACC_READONLY, BandOptions2()),
        Row(E ".6.7.2.1.5", "wdsClientinfoAuth", SYN_INTEGER, ACC_READONLY, wdsClientinfoAuthOptions()),
        Row(E ".6.7.2.1.4", "wdsClientinfoRSSI", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.7.2.1.6", "wdsClientinfoChannel", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* sysTemperature() {
    static const VarDef rows[] = {
        Row(E ".6.3.1", "sysTemperature", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* wdsGet() {
    static const VarDef rows[] = {
        Row(E ".6.3.2.1.1.1", "wdsGet", SYN_INTEGER, ACC_READWRITE, wdsGetOptions()),
        Row(E ".6.3.2.1.1.2", "wdsGet", SYN_INTEGER, ACC_READWRITE, wdsGetOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* ifIndex_to_wdsRSSI() {
    static const VarDef rows[] = {
        Row(" ", "ifIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".6.3.3.1.1", "wdsIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".6.3.3.1.2", "wdsBand", SYN_INTEGER, ACC_READONLY, wdsBandOptions()),
        Row(E ".6.3.3.1.3", "wdsMAC", SYN_MACADDRESS, ACC_READONLY),
        Row(E ".6.3.3.1.4", "wdsRSSI", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
