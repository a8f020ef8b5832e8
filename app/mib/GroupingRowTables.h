#pragma once
// Row tables of the grouping and WLAN partition settings. Same conventions as app/MibRowTables.h.
#include "library/snmp/VarDef.h"

namespace MibRows {

// Load balance, user limit, link integrity: scalars, read as single values.
const VarDef* adLoadBalance_to_adLinkIntegrate();
// Station separation per radio: rows 0-2 first radio, 3-5 the same at the second radio. Every
// row is stored invalid; the form switches on the rows of the radios it shows.
const VarDef* adInternalStationConnection_to_adInternalStationConnectionBetweenag();

} // namespace MibRows
