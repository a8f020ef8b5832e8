#pragma once
// The simulated device as the engine's tests use it: the engine test data, the communities
// public/private and two SNMPv3 users (alice MD5+DES, bob SHA+AES, both with privacy).
#include "tests/support/DevSim.h"
#include "tests/support/FreePort.h"

#include <cstdint>

DevSimOptions EngineAgentOptions();
