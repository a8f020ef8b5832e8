#pragma once
// Row tables of the log viewer's and the log settings' objects (status: log, under .6.5).
#include "library/snmp/VarDef.h"

namespace MibRows {

const VarDef* logTftpServerIP_to_getLog();
const VarDef* clearLocalLog();
const VarDef* systemLevel_to_logServerIP();
const VarDef* smtpState_to_smtpRecipient();

} // namespace MibRows
