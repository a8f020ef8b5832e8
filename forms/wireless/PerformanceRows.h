#pragma once
// Row tables of the performance settings. Same conventions as app/MibRowTables.h: rows carry the
// radio instance (.1 first, .2 second) except the antenna, a scalar read as a single value.
#include "library/snmp/VarDef.h"

namespace MibRows {

// Both radios, stored invalid: a form switches on the rows of the radios it shows.
const VarDef* bAutoChannelScan();
// Both radios, read-write.
const VarDef* adbgMode();
const VarDef* adAntenna();
const VarDef* adIgmpSnooping();
// Data-rate control of one radio (radio 1 or 2): status, reset action, and the twelve per-rate
// values in the order 1, 2, 5.5, 11, 6, 9, 12, 18, 24, 36, 48, 54 Mb.
const VarDef* adDataRateStatus(int radio);
const VarDef* adDataRateSetDefault(int radio);
const VarDef* adDataRate1Mb_to_adDataRate54Mb(int radio);

} // namespace MibRows
