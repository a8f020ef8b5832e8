#pragma once
// The MIB object definitions the forms build their variable lists from: the shared option lists
// and the row tables that point at them.
#include "app/mib/MibOptionLists.h"
#include "app/mib/MibRowTables.h"
