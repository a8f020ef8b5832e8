#pragma once
// Row tables of the device's file loads: the configuration file's names and the firmware form's
// names for the same TFTP load objects, and the FTP loads. Same conventions as app/MibRowTables.h;
// built on first use, as the option lists they point at are not made during static start-up.
#include "library/snmp/VarDef.h"

namespace MibRows {

const VarDef* remotesrvip_to_remotefilename();
const VarDef* tftpcommand();
const VarDef* upgradesettingcommand();

const VarDef* uTFTPSrvIP_to_uTFTPFileName();
const VarDef* uTFTPCommand();
const VarDef* uUpgradeSettingCommand();
const VarDef* uFTPSrvIP_to_uFTPPassword();
const VarDef* uFirmwareImageName_to_uFirmwareUpdate();
const VarDef* uSSLCertFileName_to_uSSLCertUpdate();

} // namespace MibRows
