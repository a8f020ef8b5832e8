#pragma once
// Row tables of rogue AP detection. Same conventions as app/MibRowTables.h.
#include "library/snmp/VarDef.h"

namespace MibRows {

const VarDef* adRadioWave_1(); // the first radio's on/off, read as written
// BSS type, band bit set, security bit set: scalars read as written (.0 in the OIDs).
const VarDef* bssTypeDetected_to_securityTypeDetected();
// Action objects, scalars: detect, add a found entry to the known list, delete a found entry,
// delete a known entry. The last three take the entry's index.
const VarDef* rogueAPDetect();
const VarDef* addRogueAPtoAPList();
const VarDef* deleteRogueAPFromResult();
const VarDef* deleteRogueAPfromAPList();
// The found and the known list: a key column (the entry's index), then Type, CH, BSSID, Security,
// Mode, SSID.
const VarDef* ifIndex_to_SSID();
const VarDef* Index_to_SSID();
const VarDef* rogueApProtectionSupported();
const VarDef* adRogueApProtection();

} // namespace MibRows
