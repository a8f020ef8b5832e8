// Function-local statics, like the shared tables: the option lists are asked for on first use.
#include "forms/admin/SntpRows.h"

#include "app/mib/MibOptionLists.h"

#define S "1.3.6.1.4.1.48113.11.37.4.4.4"

namespace MibRows {

const VarDef* sntpServerIP_to_timeOfDay() {
    static const VarDef rows[] = {
        Row(S ".1", "sntpServerIP", SYN_IPADDRESS, ACC_READWRITE),
        Row(S ".2", "sntpTZoneIdx", SYN_INTEGER, ACC_READWRITE, sntpTZoneIdxOptions()),
        Row(S ".4", "dayLightSaving", SYN_INTEGER, ACC_READWRITE, dayLightSavingOptions()),
        Row(S ".5", "timeOfDay", SYN_DISPLAYSTR, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* sntpTFTPServerIP_to_sntpGetList() {
    static const VarDef rows[] = {
        Row(S ".6.1", "sntpTFTPServerIP", SYN_IPADDRESS, ACC_READWRITE),
        Row(S ".6.2", "sntpListFileName", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(S ".6.3", "sntpGetList", SYN_INTEGER, ACC_READWRITE, sntpGetListOptions()),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
