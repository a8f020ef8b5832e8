#include "forms/admin/LoadRows.h"

#include "app/mib/MibOptionLists.h"

namespace MibRows {

#define CFG "1.3.6.1.4.1.48113.11.37.4.4.3.1"
const VarDef* remotesrvip_to_remotefilename() {
    static const VarDef rows[] = {
        Row(CFG ".1", "remotesrvip", SYN_IPADDRESS, ACC_READWRITE),
        Row(CFG ".2", "remotefilename", SYN_DISPLAYSTR, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}
const VarDef* tftpcommand() {
    static const VarDef rows[] = {
        Row(CFG ".3", "tftpcommand", SYN_INTEGER, ACC_READWRITE, tftpcommandOptions()),
        EndOfRows(),
    };
    return rows;
}
const VarDef* upgradesettingcommand() {
    static const VarDef rows[] = {
        Row(CFG ".4", "upgradesettingcommand", SYN_INTEGER, ACC_READWRITE, upgradesettingcommandOptions()),
        EndOfRows(),
    };
    return rows;
}
#undef CFG

#define U "1.3.6.1.4.1.48113.11.37.4.4.3"
const VarDef* uFTPSrvIP_to_uFTPPassword() {
    static const VarDef rows[] = {
        Row(U ".2.1", "uFTPSrvIP", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(U ".2.2", "uFTPUserName", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(U ".2.3", "uFTPPassword", SYN_DISPLAYSTR, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}
const VarDef* uFirmwareImageName_to_uFirmwareUpdate() {
    static const VarDef rows[] = {
        Row(U ".2.5.1", "uFirmwareImageName", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(U ".2.5.2", "uFirmwareUpdate", SYN_INTEGER, ACC_READWRITE, uFirmwareUpdateOptions()),
        EndOfRows(),
    };
    return rows;
}
const VarDef* uSSLCertFileName_to_uSSLCertUpdate() {
    static const VarDef rows[] = {
        Row(U ".2.4.1", "uSSLCertFileName", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(U ".2.4.2", "uSSLKeyFileName", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(U ".2.4.3", "uSSLCertUpdate", SYN_INTEGER, ACC_READWRITE, uSSLCertUpdateOptions()),
        EndOfRows(),
    };
    return rows;
}
const VarDef* uTFTPSrvIP_to_uTFTPFileName() {
    static const VarDef rows[] = {
        Row(U ".1.1", "uTFTPSrvIP", SYN_IPADDRESS, ACC_READWRITE),
        Row(U ".1.2", "uTFTPFileName", SYN_DISPLAYSTR, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}
const VarDef* uTFTPCommand() {
    static const VarDef rows[] = {
        Row(U ".1.3", "uTFTPCommand", SYN_INTEGER, ACC_READWRITE, uTFTPCommandOptions()),
        EndOfRows(),
    };
    return rows;
}
const VarDef* uUpgradeSettingCommand() {
    static const VarDef rows[] = {
        Row(U ".1.4", "uUpgradeSettingCommand", SYN_INTEGER, ACC_READWRITE, uUpgradeSettingCommandOptions()),
        EndOfRows(),
    };
    return rows;
}
#undef U

} // namespace MibRows
