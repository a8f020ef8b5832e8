#pragma once
// Named device variants: object groups that an older or smaller device lacks, left out together
// (`--without NAME`).
#include "tools/devsim/Value.h"

#include <string>
#include <vector>

namespace devsim {

// The OID prefixes the variant leaves out; empty for an unknown name. Known names: "priority"
// (the per-band multi-SSID priority state and the multi-SSID table's columns 13 to 16).
std::vector<Oid> ProfileOmissions(const std::string& name);

} // namespace devsim
