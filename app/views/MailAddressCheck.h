#pragma once
// The sender and recipient checks of the log settings' mail alert.
#include <string>

class TEdit;

// A part of an address: letters, digits, "_", "-" and "." only, no "..", "--", ".-" or "-.",
// neither starting nor ending with "." or "-". An empty text passes.
bool IsMailPart(const std::string& text);
// A user part, "@", and at least two labels joined by "."; what follows a third "." is not checked.
bool IsMailAddress(const std::string& text);
// Checks the edit's text; on a failure shows "Wrong SMTP Sender format!" (or "... Recipient ...")
// titled "Warning", empties the edit, gives it the focus and returns false.
bool CheckMailAddress(TEdit* edit, bool isSender);
