// Function-local statics like the shared tables: the option lists exist by the first call.
#include "forms/network/DhcpRows.h"

#include "app/mib/MibOptionLists.h"

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {

const VarDef* adDyIPStart_to_adDyStatus() {
    static const VarDef rows[] = {
        Row(E ".3.7.2.1", "adDyIPStart", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.2.2", "adDyRange", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.7.2.3", "adDyMask", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.2.4", "adDyGateway", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.2.5", "adDyWins", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.2.6", "adDyDns", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.2.7", "adDyDomain", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".3.7.2.8", "adDyLease", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.7.2.9", "adDyStatus", SYN_INTEGER, ACC_READWRITE, adDyStatusOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* staticDeletePoolIP() {
    static const VarDef rows[] = {
        Row(E ".3.7.3.2", "staticDeletePoolIP", SYN_MACADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* Index_to_Status() {
    static const VarDef rows[] = {
        Row("", "Index", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.7.3.1.1.1", "IP", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.3.1.1.2", "MAC", SYN_MACADDRESS, ACC_READWRITE),
        Row(E ".3.7.3.1.1.3", "Mask", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.3.1.1.4", "Gateway", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.3.1.1.5", "Dns", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.3.1.1.6", "Wins", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".3.7.3.1.1.7", "Domain", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".3.7.3.1.1.8", "Status", SYN_INTEGER, ACC_READWRITE, StatusOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* Index_to_CurrentDynamicLease() {
    static const VarDef rows[] = {
        Row("", "Index", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.7.4.1.1.1", "Current Dynamic MAC", SYN_MACADDRESS, ACC_READONLY),
        Row(E ".3.7.4.1.1.2", "Current Dynamic Assigned IP", SYN_IPADDRESS, ACC_READONLY),
        Row(E ".3.7.4.1.1.3", "Current Dynamic Lease", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* Index_to_CurrentStaticAssignedIP() {
    static const VarDef rows[] = {
        Row("", "Index", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.7.4.2.1.1", "Current Static MAC", SYN_MACADDRESS, ACC_READONLY),
        Row(E ".3.7.4.2.1.2", "Current Static Assigned IP", SYN_IPADDRESS, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* hIPAddress() {
    static const VarDef rows[] = {
        Row(E ".1.5", "hIPAddress", SYN_IPADDRESS, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
