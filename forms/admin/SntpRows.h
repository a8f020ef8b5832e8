#pragma once
// Row tables of the time settings (tools: SNTP, under .4.4).
#include "library/snmp/VarDef.h"

namespace MibRows {

const VarDef* sntpServerIP_to_timeOfDay();
const VarDef* sntpTFTPServerIP_to_sntpGetList();

} // namespace MibRows
