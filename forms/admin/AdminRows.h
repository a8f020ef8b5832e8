#pragma once
// Row tables of the administrator settings. Same conventions as app/MibRowTables.h.
#include "library/snmp/VarDef.h"

namespace MibRows {

const VarDef* hFirmVersion();
const VarDef* telnet_to_ssh(); // telnet, timeout, ssh
// The two single manager addresses (instances .1 and .2), read as multiple values.
const VarDef* adminIP();
const VarDef* admUserName_to_admPassword();
const VarDef* ctlAdminApWithWlan();
// The manager address ranges: key "ID", then "From" and "To"; the names are the list's captions.
const VarDef* adminIPRange();
const VarDef* limitAdminIPStatus();
const VarDef* lbsTrapServerIP_to_lbsUserStaNotify();
const VarDef* ctlPingcontrol();

} // namespace MibRows
