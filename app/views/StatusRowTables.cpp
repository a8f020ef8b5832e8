// The status views' row tables, function-local statics like the shared ones.
#include "app/views/StatusRowTables.h"

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {
const VarDef* stSSID_to_stSecLevelPriv_1() {
    static const VarDef rows[] = {
        Row(E ".6.1.2.1.1.1", "stSSID", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.1.2.1.2.1", "stChannel", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.1.2.1.3.1", "stDataRate", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.1.2.1.4.1", "stSecLevelAuth", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.1.2.1.5.1", "stSecLevelPriv", SYN_DISPLAYSTR, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* stSSID_to_stSecLevelPriv_2() {
    static const VarDef rows[] = {
        Row(E ".6.1.2.1.1.2", "stSSID", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.1.2.1.2.2", "stChannel", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.1.2.1.3.2", "stDataRate", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.1.2.1.4.2", "stSecLevelAuth", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.1.2.1.5.2", "stSecLevelPriv", SYN_DISPLAYSTR, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* hModelName_to_hIPAddress() {
    static const VarDef rows[] = {
        Row(E ".1.1", "hModelName", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".1.2", "hSystemTime", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".1.3", "hSysUpTime", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".1.4", "hFirmVersion", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".1.5", "hIPAddress", SYN_IPADDRESS, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* stTrSuccessRate_to_stReceivedByteCount_1() {
    static const VarDef rows[] = {
        Row(E ".6.2.2.1.1.1.1.1", "stTrSuccessRate", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.2.1", "stTrRetryRate", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.3.1", "stRxSuccessRate", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.4.1", "stRxDuplicateRate", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.5.1", "stRTSSuccessCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.6.1", "stRTSFailureCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.7.1", "stTrFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.8.1", "stMuticastTrFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.9.1", "stTrErrorCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.10.1", "stTrTotalRetryCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.11.1", "stTrMutiRetryCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.12.1", "stRxFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.13.1", "stMuticastRxFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.14.1", "stRxFrameFCSErrorCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.15.1", "stRxFrameDulicateCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.16.1", "stAckRxFailureCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.17.1", "stWEPExcludedFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.18.1", "srWEPICVErrorCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.19.1", "stTransmitedByteCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.20.1", "stReceivedByteCount", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* stTrSuccessRate_to_stReceivedByteCount_2() {
    static const VarDef rows[] = {
        Row(E ".6.2.2.1.1.1.1.2", "stTrSuccessRate", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.2.2", "stTrRetryRate", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.3.2", "stRxSuccessRate", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.4.2", "stRxDuplicateRate", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.5.2", "stRTSSuccessCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.6.2", "stRTSFailureCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.7.2", "stTrFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.8.2", "stMuticastTrFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.9.2", "stTrErrorCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.10.2", "stTrTotalRetryCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.11.2", "stTrMutiRetryCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.12.2", "stRxFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.13.2", "stMuticastRxFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.14.2", "stRxFrameFCSErrorCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.15.2", "stRxFrameDulicateCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.16.2", "stAckRxFailureCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.17.2", "stWEPExcludedFrameCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.18.2", "srWEPICVErrorCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.19.2", "stTransmitedByteCount", SYN_INTEGER, ACC_READONLY),
        Row(E ".6.2.2.1.1.1.20.2", "stReceivedByteCount", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
