#pragma once
// Library codes that the bindings raise when a value and its controls do not fit together.
#include <cstdint>

enum : int32_t {
    NXSNMP_BIND_BAD_SYNTAX = -517,   // a plain check box on a row that is no boolean
    NXSNMP_BIND_SHORT_VALUE = -518,  // fewer bytes than the syntax needs
    NXSNMP_BIND_OUT_OF_RANGE = -519, // a bound part or bit beyond the value
    NXSNMP_BIND_NO_OPTIONS = -520,   // a combo box or radio group without an option list
    NXSNMP_BIND_BAD_CONTROL = -521,  // a control class that cannot show values
    NXSNMP_BIND_TOO_FEW = -522       // too few controls for the value
};
