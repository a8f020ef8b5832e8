#pragma once
// Row tables of the MIB objects that several forms share (and the main window's own). Each
// function returns a static table that ends with a null-OID row, built on its first call (its rows
// point at the shared option lists) and never changed afterwards: forms copy the rows into their
// variable lists and switch access flags on the copy only.
//
// OIDs carry the instance as the device expects it (.1 first radio, .2 second radio); scalars
// without one get ".0" when read as single values; table columns are column OIDs.
#include "library/snmp/VarDef.h"

// The device's own tree; every OID below lies under it.
inline constexpr char kDeviceMibTree[] = "1.3.6.1.4.1.48113.11.37.4";

namespace MibRows {

// Radio, SSID and security objects: rows 0-18 first radio, 19-37 the same at the second radio.
const VarDef* bSSID_to_bSecAccountPort();
// Accounting of the first radio, read-write.
const VarDef* bSecAccountMode_to_bSecAccountPort();
const VarDef* bSecRADIUSServer_to_bSecRADIUSSecret();
// The station's address group; the main window and the LAN form read it.
const VarDef* bGetIPFrom_to_bDefaultGateway();
// Performance of one radio: _1 first, _2 second.
const VarDef* adFrequency_to_adWMM_1();
const VarDef* adFrequency_to_adWMM_2();
// Ethernet MAC access list: key column, address column.
const VarDef* adEthernetFilterMACIndex_to_adEthernetFilterMACAddr();
const VarDef* stFirmwareVersion_to_stWlan0MACAddress();
const VarDef* Restart_to_FactoryDefault();
const VarDef* adMSSIDState(); // both radios
const VarDef* adVlanState();
// Multi-SSID table: two key columns (a blank-OID ifIndex, then adMSSIDIndex), then 11 columns.
const VarDef* ifIndex_to_adMSSIDSuppress();
const VarDef* bopMode(); // both radios
const VarDef* adDyFunction();
const VarDef* adDataRateStatus();
const VarDef* admManagerVLANIDStatus_to_admManagerVLANID();
const VarDef* adMSSIDPriorityState(); // both radios

// The main window's requests.
const VarDef* stLED();
const VarDef* cSaveActivate_to_cDiscardChanges();
const VarDef* lbssupport();

// Catalogue of the tables above, for code that has to visit all of them.
struct TableEntry {
    const char* Name;
    const VarDef* (*Rows)();
};
int TableCount();
const TableEntry& TableAt(int index); // 0 <= index < TableCount()

// Rows before the null-OID row.
int CountRows(const VarDef* rows);

} // namespace MibRows
