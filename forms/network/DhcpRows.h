#pragma once
// Row tables of the DHCP server: the dynamic pool, the static pool and its delete action, the two
// lease tables and the system address. Same conventions as app/MibRowTables.h.
#include "library/snmp/VarDef.h"

namespace MibRows {

// adDyIPStart ... adDyStatus: the dynamic pool, read and written as single values.
const VarDef* adDyIPStart_to_adDyStatus();
// The action that deletes the static binding of the MAC written to it.
const VarDef* staticDeletePoolIP();
// Static pool: key column "Index", then IP, MAC, Mask, Gateway, Dns, Wins, Domain, Status. The
// row names are the list columns.
const VarDef* Index_to_Status();
// Current leases: key column, then MAC, address and lease time (dynamic) or MAC and address (static).
const VarDef* Index_to_CurrentDynamicLease();
const VarDef* Index_to_CurrentStaticAssignedIP();
const VarDef* hIPAddress();

} // namespace MibRows
