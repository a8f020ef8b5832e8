#include "app/forms/StartupGlobals.h"

const std::string ModelName = "KTX-7593AP";
const std::string ModuleObjectID = "1.3.6.1.4.1.48113.10.37.26";
const std::string AnotherInstanceMessage = "Another KTX7593AP module is running!";

const std::string Band1SettingError = "IEEE802.11g Setting Error!";
const std::string Band1SettingSuccess = "IEEE802.11g Setting Success!";
const std::string Band2SettingError = "IEEE802.11g Setting Error!";
const std::string Band2SettingSuccess = "IEEE802.11g Setting Success!";
const std::string Band1Caption = "IEEE 802.11g";
const std::string Band2Caption = "IEEE 802.11g";
