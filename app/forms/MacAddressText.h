#pragma once
// Arithmetic on MAC address texts as the device information form shows them: twelve hexadecimal
// digits without separators.
#include <string>

class QWidget;

// True for exactly twelve hexadecimal digits (either case).
bool IsMacAddressText(const std::string& text);

// The address n above mac, in upper case. Running past FFFFFFFFFFFF shows "Invalid MAC!" in a
// "Warning" box on owner and gives "000000000000". A text that is no MAC address (a layout
// placeholder, a failed read) comes back unchanged and shows nothing.
std::string AddToMacAddress(const std::string& mac, int n, QWidget* owner = nullptr);
