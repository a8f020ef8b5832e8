// Function-local statics like the shared tables: the option lists exist by the first call.
#include "forms/network/AccessListRows.h"

#include "app/mib/MibOptionLists.h"

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {

const VarDef* adEthernetAccessControl() {
    static const VarDef rows[] = {
        Row(E ".3.2.1.1", "adEthernetAccessControl", SYN_INTEGER, ACC_READWRITE,
            adEthernetAccessControlOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adWirelessIPAccessControl() {
    static const VarDef rows[] = {
        Row(E ".3.2.3.1", "adWirelessIPAccessControl", SYN_INTEGER, ACC_READWRITE,
            adWirelessIPAccessControlOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adWirelessMacAccessControl() {
    static const VarDef rows[] = {
        Row(E ".3.2.2.1.1.1.1", "adWirelessMacAccessControl", SYN_INTEGER, ACC_INVALID,
            adWirelessMacAccessControlOptions()),
        Row(E ".3.2.2.1.1.1.2", "adWirelessMacAccessControl", SYN_INTEGER, ACC_INVALID,
            adWirelessMacAccessControlOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adWirelessIPIndex_to_adWirelessIPAddr() {
    static const VarDef rows[] = {
        Row(E ".3.2.3.2.1.1", "adWirelessIPIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.2.3.2.1.2", "adWirelessIPAddr", SYN_IPADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adWirelessMACIndex_to_adWirelessMACAddr(int band) {
    static const VarDef band1[] = {
        Row(E ".3.2.2.2.1.1.1", "adWirelessMACIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.2.2.2.1.2.1", "adWirelessMACAddr", SYN_MACADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    static const VarDef band2[] = {
        Row(E ".3.2.2.2.1.1.2", "adWirelessMACIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.2.2.2.1.2.2", "adWirelessMACAddr", SYN_MACADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    return band == 2 ? band2 : band1;
}

} // namespace MibRows
