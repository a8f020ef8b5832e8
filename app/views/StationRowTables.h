#pragma once
// Row tables of the status views that list stations and WDS links: the associated clients, the
// WDS clients and the WDS link indication. Same conventions as app/MibRowTables.h.
#include "library/snmp/VarDef.h"

namespace MibRows {

// Associated clients: gathering action and count of each radio, then the client table (one key).
const VarDef* stGetClient();
const VarDef* stClientNum();
const VarDef* stClientIndex_to_stClientPSM();

// WDS clients, the same three.
const VarDef* wdsClientinfoGet();
const VarDef* wdsClientNum();
const VarDef* Index_to_wdsClientinfoChannel();

// WDS link indication: temperature, peer collection of each radio, and the link table whose index
// is radio.peer (two keys).
const VarDef* sysTemperature();
const VarDef* wdsGet();
const VarDef* ifIndex_to_wdsRSSI();

} // namespace MibRows
