#pragma once
// Texts that start-up fixes once for the whole program.
#include <string>

extern const std::string ModelName;      // "KTX-7593AP"; characters 5 to 8 name the model's bands
extern const std::string ModuleObjectID; // the device's system object identifier
extern const std::string AnotherInstanceMessage;

// Result lines and page captions of the radio forms, one per band page.
extern const std::string Band1SettingError;
extern const std::string Band1SettingSuccess;
extern const std::string Band2SettingError;
extern const std::string Band2SettingSuccess;
extern const std::string Band1Caption;
extern const std::string Band2Caption;
