#pragma once
// Row tables of the multi-SSID form's own requests. Built on first use, like the shared ones.
#include "library/snmp/VarDef.h"

namespace MultiRows {

// bSecGroupKeyUpdateInterval of both radios, off until the form turns a radio's row on.
const VarDef* bSecGroupKeyUpdateInterval();
// The multi-SSID table with the four priority columns: the shared 13 rows, then adMSSIDWmm,
// adMSSIDdyVlanState, adMSSIDEthernetWithoutTag, adMSSIDPriority.
const VarDef* ifIndex_to_adMSSIDPriority();

} // namespace MultiRows
