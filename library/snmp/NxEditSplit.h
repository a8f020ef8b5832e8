#pragma once
// One value shown over several edits (an IP address over four, a MAC address over six ...),
// by syntax code, and composed back from them.
#include <cstdint>
#include <string>
#include <vector>

class TEdit;

// Writes the value of the bytes into the edits. Raises -522 when there are too few edits.
void SplitIntoEdits(int32_t syntax, const std::string& bytes, const std::vector<TEdit*>& edits);
// The value text that the edits show together. Raises -522 when there are too few edits.
std::string ComposeFromEdits(int32_t syntax, const std::vector<TEdit*>& edits);
