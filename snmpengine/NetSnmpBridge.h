#pragma once
// Engine internals between our classes and Net-SNMP. Net-SNMP's own types stay declared only by
// name here, so this header can be included without Net-SNMP's headers.
#include "snmpengine/Pdu.h"

#include <cstdint>

struct snmp_pdu;

// Once per process: no MIB files, no configuration files, no persistent state, log to our sink.
// Returns false when the library could not start.
bool netSnmpStart();

// A new Net-SNMP PDU of the type with the Pdu's bindings and context; null on an unusable binding.
snmp_pdu* netSnmpBuildPdu(uint8_t type, const Pdu& pdu);
// Our Pdu from an answer: bindings, type, error status and index. An SNMPv2 exception value in an
// answer without error status counts as error status 2 at the first such binding.
void netSnmpTakeAnswer(const snmp_pdu* answer, Pdu& pdu);
bool netSnmpIsReport(const snmp_pdu* answer);
// The engine status of a report, or of one of Net-SNMP's SNMPERR numbers.
int netSnmpReportStatus(snmp_pdu* report);
int netSnmpErrorStatus(int snmpErr);
