#pragma once
// The library's keyword names of item types, syntax codes and access values (case-insensitive,
// integer keys). Created on first use, destroyed at exit.
#include "library/common/NxOptionList.h"

const NxOptionList& ItemTypeKeywords();
const NxOptionList& SyntaxKeywords();
const NxOptionList& AccessKeywords();
