#pragma once
// Row tables of the read-only status views: device information per radio, home information and
// the statistics per radio. Same conventions as app/MibRowTables.h; the per-radio rows carry
// their radio instance and are read as written.
#include "library/snmp/VarDef.h"

namespace MibRows {

// SSID, channel, data rate and the two security levels: _1 first radio, _2 second.
const VarDef* stSSID_to_stSecLevelPriv_1();
const VarDef* stSSID_to_stSecLevelPriv_2();
const VarDef* hModelName_to_hIPAddress();
// The twenty counters and rates of one radio.
const VarDef* stTrSuccessRate_to_stReceivedByteCount_1();
const VarDef* stTrSuccessRate_to_stReceivedByteCount_2();

} // namespace MibRows
