#pragma once
// The class library's date-time number: days since 30 December 1899, time of day as the fraction.
#include <string>

// The local date and time now.
double Now();
// "yyyy/mm/dd hh:nn:ss am/pm" (12-hour clock, lower-case am/pm).
std::string DateTimeToText(double value);
// Reads "yyyy/mm/dd[ h:nn[:ss][ am|pm]]"; raises EConvertError on any other text.
double TextToDateTime(const std::string& text);
