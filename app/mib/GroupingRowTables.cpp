// Function-local statics like the shared tables: the option lists exist by the first call.
#include "app/mib/GroupingRowTables.h"

#include "app/mib/MibOptionLists.h"

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {

const VarDef* adLoadBalance_to_adLinkIntegrate() {
    static const VarDef rows[] = {
        Row(E ".3.3.1", "adLoadBalance", SYN_INTEGER, ACC_READWRITE, adLoadBalanceOptions()),
        Row(E ".3.3.2", "adUserLimit", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.3.4", "adLinkIntegrate", SYN_INTEGER, ACC_READWRITE, adLinkIntegrateOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adInternalStationConnection_to_adInternalStationConnectionBetweenag() {
    static const VarDef rows[] = {
        Row(E ".3.2.4.1.1.1", "adInternalStationConnection", SYN_INTEGER, ACC_INVALID,
            adInternalStationConnectionOptions()),
        Row(E ".3.2.4.1.2.1", "adEthernet2WLANAccess", SYN_INTEGER, ACC_INVALID,
            adEthernet2WLANAccessOptions()),
        Row(E ".3.2.4.1.3.1", "adInternalStationConnectionBetweenag", SYN_INTEGER, ACC_INVALID,
            adInternalStationConnectionBetweenagOptions()),
        Row(E ".3.2.4.1.1.2", "adInternalStationConnection", SYN_INTEGER, ACC_INVALID,
            adInternalStationConnectionOptions()),
        Row(E ".3.2.4.1.2.2", "adEthernet2WLANAccess", SYN_INTEGER, ACC_INVALID,
            adEthernet2WLANAccessOptions()),
        Row(E ".3.2.4.1.3.2", "adInternalStationConnectionBetweenag", SYN_INTEGER, ACC_INVALID,
            adInternalStationConnectionBetweenagOptions()),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
