#pragma once
// Row tables of the wireless settings form's own objects. Same conventions as app/MibRowTables.h;
// `band` is 1 or 2 (the instance of the radio) wherever a table exists once per radio.
#include "library/snmp/VarDef.h"

namespace MibRows {

// Accounting of one radio, read-write (the same objects as rows 16-18 of the wireless table).
const VarDef* bSecAccountMode_to_bSecAccountPort(int band);
// Backup accounting of one radio: server, port, status.
const VarDef* bSecBakAccountServer_to_bSecBakAccountStatus(int band);
// Backup RADIUS server: server, port, secret, status (one for both radios).
const VarDef* bSecBakRADIUSServer_to_bSecBakRADIUSStatus();
// WEP keys 1-4 of the first radio, then 1-4 of the second; stored invalid.
const VarDef* bWepKeyValue();
// WDS remote AP addresses, slots 1-8 of the first radio, then 1-8 of the second; stored invalid.
const VarDef* bWdsRemoteMacAddress();
// Encryption and authentication of the additional SSIDs 2-8 of the first radio, then of the second.
const VarDef* adMSSIDEncryption();
const VarDef* adMSSIDAuth();
// Never read or written: carries the port and group-key interval constraints to unbound edits.
const VarDef* bSecRADIUSPort_bSecGroupKeyUpdateInterval();
// Site-scan trigger of each radio.
const VarDef* bRefresha_bRefreshg();
// The access points one radio found: key column " Index", then the shown columns, then
// bSiteSupportWDS.
const VarDef* SiteTable(int band);
const VarDef* multioverwdsconsistent();

} // namespace MibRows
