// Function-local statics, like the shared tables: the option lists are asked for on first use.
#include "app/views/LogObjectRows.h"

#include "app/mib/MibOptionLists.h"

#define L "1.3.6.1.4.1.48113.11.37.4.6.5"

namespace MibRows {

const VarDef* logTftpServerIP_to_getLog() {
    static const VarDef rows[] = {
        Row(L ".1.1", "logTftpServerIP", SYN_IPADDRESS, ACC_READWRITE),
        Row(L ".1.2", "logFileName", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(L ".1.3", "getLog", SYN_INTEGER, ACC_READWRITE, getLogOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* clearLocalLog() {
    static const VarDef rows[] = {
        Row(L ".2.6", "clearLocalLog", SYN_INTEGER, ACC_READWRITE, clearLocalLogOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* systemLevel_to_logServerIP() {
    static const VarDef rows[] = {
        Row(L ".2.3", "systemLevel", SYN_INTEGER, ACC_READWRITE, systemLevelOptions()),
        Row(L ".2.4", "wirelessLevel", SYN_INTEGER, ACC_READWRITE, wirelessLevelOptions()),
        Row(L ".2.5", "noticeLevel", SYN_INTEGER, ACC_READWRITE, noticeLevelOptions()),
        Row(L ".2.1", "remoteLogState", SYN_INTEGER, ACC_READWRITE, remoteLogStateOptions()),
        Row(L ".2.2", "logServerIP", SYN_IPADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* smtpState_to_smtpRecipient() {
    static const VarDef rows[] = {
        Row(L ".3.1", "smtpState", SYN_INTEGER, ACC_READWRITE, smtpStateOptions()),
        Row(L ".3.2", "smtpServerIP", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(L ".3.3", "smtpSender", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(L ".3.4", "smtpRecipient", SYN_DISPLAYSTR, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
