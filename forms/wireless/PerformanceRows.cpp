// Function-local statics like the shared tables: the option lists exist by the first call.
#include "forms/wireless/PerformanceRows.h"

#include "app/mib/MibOptionLists.h"
#include "app/mib/MibRowTables.h"

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {

const VarDef* bAutoChannelScan() {
    static const VarDef rows[] = {
        Row(E ".2.1.1.1.16.1", "bAutoChannelScan", SYN_INTEGER, ACC_INVALID, bAutoChannelScanOptions()),
        Row(E ".2.1.1.1.16.2", "bAutoChannelScan", SYN_INTEGER, ACC_INVALID, bAutoChannelScanOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adbgMode() {
    static const VarDef rows[] = {
        Row(E ".3.1.1.14.1", "adbgMode", SYN_INTEGER, ACC_READWRITE, adbgModeOptions()),
        Row(E ".3.1.1.14.2", "adbgMode", SYN_INTEGER, ACC_READWRITE, adbgModeOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adAntenna() {
    static const VarDef rows[] = {
        Row(E ".3.1.1.13", "adAntenna", SYN_INTEGER, ACC_READWRITE, adAntennaOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adIgmpSnooping() {
    static const VarDef rows[] = {
        Row(E ".3.1.1.15.1", "adIgmpSnooping", SYN_INTEGER, ACC_READWRITE, adIgmpSnoopingOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adDataRateStatus(int radio) {
    static const VarDef second[] = {
        Row(E ".3.5.1.1.2.2", "adDataRateStatus", SYN_INTEGER, ACC_READWRITE, adDataRateStatusOptions()),
        EndOfRows(),
    };
    return radio == 2 ? second : adDataRateStatus();
}

const VarDef* adDataRateSetDefault(int radio) {
    static const VarDef rows[2][2] = {
        {Row(E ".3.5.1.1.3.1", "adDataRateSetDefault", SYN_INTEGER, ACC_READWRITE,
             adDataRateSetDefaultOptions()),
         EndOfRows()},
        {Row(E ".3.5.1.1.3.2", "adDataRateSetDefault", SYN_INTEGER, ACC_READWRITE,
             adDataRateSetDefaultOptions()),
         EndOfRows()},
    };
    return rows[radio == 2 ? 1 : 0];
}

#define RATES(I)                                                                                             \
    {                                                                                                        \
        Row(E ".3.5.2.1.2." I, "adDataRate1Mb", SYN_INTEGER, ACC_READWRITE, adDataRate1MbOptions()),         \
            Row(E ".3.5.2.1.3." I, "adDataRate2Mb", SYN_INTEGER, ACC_READWRITE, adDataRate2MbOptions()),     \
            Row(E ".3.5.2.1.4." I, "adDataRate5dot5Mb", SYN_INTEGER, ACC_READWRITE,                          \
                adDataRate5dot5MbOptions()),                                                                 \
            Row(E ".3.5.2.1.7." I, "adDataRate11Mb", SYN_INTEGER, ACC_READWRITE, adDataRate11MbOptions()),   \
            Row(E ".3.5.2.1.5." I, "adDataRate6Mb", SYN_INTEGER, ACC_READWRITE, adDataRate6MbOptions()),     \
            Row(E ".3.5.2.1.6." I, "adDataRate9Mb", SYN_INTEGER, ACC_READWRITE, adDataRate9MbOptions()),     \
            Row(E ".3.5.2.1.8." I, "adDataRate12Mb", SYN_INTEGER, ACC_READWRITE, adDataRate12MbOptions()),   \
            Row(E ".3.5.2.1.9." I, "adDataRate18Mb", SYN_INTEGER, ACC_READWRITE, adDataRate18MbOptions()),   \
            Row(E ".3.5.2.1.10." I, "adDataRate24Mb", SYN_INTEGER, ACC_READWRITE, adDataRate24MbOptions()),  \
            Row(E ".3.5.2.1.11." I, "adDataRate36Mb", SYN_INTEGER, ACC_READWRITE, adDataRate36MbOptions()),  \
            Row(E ".3.5.2.1.12." I, "adDataRate48Mb", SYN_INTEGER, ACC_READWRITE, adDataRate48MbOptions()),  \
            Row(E ".3.5.2.1.13." I, "adDataRate54Mb", SYN_INTEGER, ACC_READWRITE, adDataRate54MbOptions()),  \
            EndOfRows()                                                                                      \
    }

const VarDef* adDataRate1Mb_to_adDataRate54Mb(int radio) {
    static const VarDef rows[2][13] = {RATES("1"), RATES("2")};
    return rows[radio == 2 ? 1 : 0];
}

} // namespace MibRows
