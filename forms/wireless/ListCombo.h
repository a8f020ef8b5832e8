#pragma once
// Combo boxes filled from a list the device sends as one blank-separated text (channels, data
// rates), and the bound edit that carries the chosen entry back.
#include <string>

class TComboBox;

// Each entry becomes an item, `unit` appended except to the entry `bare` ("Auto"); the entry equal
// to `current` is selected, none when it is absent.
void FillListCombo(TComboBox* combo, const std::string& listText, const std::string& current,
                   const std::string& unit = {}, const std::string& bare = {});
// An item's text as the device takes it: a text longer than 3 characters ending in "Mb" loses its
// last 3 (" Mb"); any other text is kept.
std::string ListEntryOf(const std::string& itemText);
