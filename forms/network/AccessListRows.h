#pragma once
// Row tables of the three access lists. Same conventions as app/MibRowTables.h.
#include "library/snmp/VarDef.h"

namespace MibRows {

const VarDef* adEthernetAccessControl();   // scalar, read as a single value
const VarDef* adWirelessIPAccessControl(); // scalar, read as a single value
// One row per band, both stored invalid: the form switches on the row of the band it shows.
const VarDef* adWirelessMacAccessControl();
const VarDef* adWirelessIPIndex_to_adWirelessIPAddr();
// The (band, index) table as two tables of one band each: band 1 or 2.
const VarDef* adWirelessMACIndex_to_adWirelessMACAddr(int band);

} // namespace MibRows
