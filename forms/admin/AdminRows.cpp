// Function-local statics like the shared tables: the option lists exist by the first call.
#include "forms/admin/AdminRows.h"

#include "app/mib/MibOptionLists.h"

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {

const VarDef* hFirmVersion() {
    static const VarDef rows[] = {Row(E ".1.4", "hFirmVersion", SYN_DISPLAYSTR, ACC_READONLY), EndOfRows()};
    return rows;
}

const VarDef* telnet_to_ssh() {
    static const VarDef rows[] = {
        Row(E ".4.1.5.1", "telnet", SYN_INTEGER, ACC_READWRITE, telnetOptions()),
        Row(E ".4.1.5.3", "timeout", SYN_INTEGER, ACC_READWRITE, timeoutOptions()),
        Row(E ".4.1.5.2", "ssh", SYN_INTEGER, ACC_READWRITE, sshOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adminIP() {
    static const VarDef rows[] = {
        Row(E ".4.1.2.1.2.1", "adminIP", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".4.1.2.1.2.2", "adminIP", SYN_IPADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* admUserName_to_admPassword() {
    static const VarDef rows[] = {
        Row(E ".4.1.3", "admUserName", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".4.1.4", "admPassword", SYN_DISPLAYSTR, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* ctlAdminApWithWlan() {
    static const VarDef rows[] = {
        Row(E ".4.1.9.2", "ctlAdminApWithWlan", SYN_INTEGER, ACC_READWRITE, ctlAdminApWithWlanOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adminIPRange() {
    static const VarDef rows[] = {
        Row(E ".4.1.10.1.1", "ID", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".4.1.10.1.2", "From", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".4.1.10.1.3", "To", SYN_IPADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* limitAdminIPStatus() {
    static const VarDef rows[] = {
        Row(E ".4.1.1", "limitAdminIPStatus", SYN_INTEGER, ACC_READWRITE, limitAdminIPStatusOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* lbsTrapServerIP_to_lbsUserStaNotify() {
    static const VarDef rows[] = {
        Row(E ".4.1.6.4", "lbsTrapServerIP", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".4.1.6.5", "lbsUserStaNotify", SYN_INTEGER, ACC_READWRITE, lbsUserStaNotifyOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* ctlPingcontrol() {
    static const VarDef rows[] = {
        Row(E ".4.1.9.1", "ctlPingcontrol", SYN_INTEGER, ACC_READWRITE, ctlPingcontrolOptions()),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
