#pragma once
// The process's one SNMP session, the default target settings that every request copies, and
// opening it all at start-up.
#include "library/snmp/NxSNMPDevice.h"
#include "library/snmp/NxSNMPSettings.h"

#include <cstdint>
#include <string>

class Snmp;

extern Snmp* GlobalSnmpSession; // null until OpenGlobalSession; never closed
extern NxSNMPDevice DefaultSNMPDevice;
extern NxSNMPScope DefaultSNMPScope;
extern NxSNMPSecurity DefaultSNMPSecurity;
extern uint32_t DefaultSNMPTimeout; // hundredths of a second
// The longest wait any request is sent with, whatever its own time-out; 0 (the program's value):
// no limit. Tests shorten the waits with it.
extern uint32_t SNMPTimeoutLimit;

inline constexpr char SnmpLocalEngineId[] = "NxSNMP_PP_Application";
inline constexpr char SnmpBootCounterFile[] = "NxSNMP_PP_BootCounter";

// Creates the session (once), counts this start in the boot counter file in folder (the working
// folder when empty), initialises SNMPv3 message processing, sets the defaults and starts the
// event pump. A counter file that cannot be read or holds no usable count for this engine is
// replaced by a fresh count, one that cannot be written leaves this session's count in memory, and
// `notice` (when given) names the file then. Raises Exception with -506 (no session) or -507 (no
// count for this engine ID can be kept); a failure leaves the later steps undone.
void OpenGlobalSession(const std::string& folder, std::string* notice = nullptr);
