#pragma once
// Between the engine's variable bindings and the library's plain binding values.
#include "library/snmp/NxSNMPValue.h"

class Vb;

NxSNMPValue ValueOfVb(const Vb& vb);
// Sets vb's value as a binding of the given syntax code carries it on the wire.
void SetVbValue(Vb& vb, const NxSNMPValue& value);
