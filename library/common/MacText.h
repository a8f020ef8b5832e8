#pragma once
#include <string>

// True when every character of `typed` equals that of `stored` or is its lower-case letter; a typed
// lower-case MAC matches a stored upper-case one, not the reverse. Only the length of `typed` counts.
bool SameMacText(const std::string& typed, const std::string& stored);
