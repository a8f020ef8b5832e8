#pragma once
// Checks of dotted IPv4 texts and the choice of this station's address on the device's subnet.
#include "library/common/NxNetInterface.h"

#include <string>

class QLineEdit;

// Octets are decimal digits only, so an address that passes is written as the same address.
// A host address: three dots, first number 1..223 but not 127, middle ones 0..255, last 1..254.
bool IsValidIPAddress(const std::string& text);
// A contiguous mask from 192.0.0.0 to 255.255.255.254.
bool IsValidSubnetMask(const std::string& text);
// Two dotted texts name the same address ("10.0.0.07" and "10.0.0.7"); other texts compare as texts.
bool SameIPAddress(const std::string& a, const std::string& b);
// The octet-wise AND of two dotted addresses (a number that is not one counts 0).
std::string AndDottedQuads(const std::string& a, const std::string& b);

// The address of the first interface whose own network equals the device's network, or "".
std::string MatchLocalServerAddress(const NxNetInterface* list, int count, const std::string& deviceAddress,
                                    const std::string& deviceMask);

// The edits that hold the device's address and mask (the main window's); read on every pick.
void SetDeviceAddressEdits(QLineEdit* address, QLineEdit* mask);
// Writes the station's address on the device's subnet into `target`. True when the target then
// holds any text (an address already there counts); otherwise the notice
// "Invalid Server IP Address or SNMP timed out!" is shown and false returned.
bool PickLocalServerAddress(QLineEdit* target);
// The same with the device's address and mask given.
bool PickLocalServerAddress(QLineEdit* target, const std::string& deviceAddress,
                            const std::string& deviceMask);
