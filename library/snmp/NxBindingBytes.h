#pragma once
// The byte form of a row's value text, by syntax code, that bindings cut parts from and write
// parts into. Integers are held in machine order as the device library always held them; the
// 1- and 2-byte kinds in network order.
#include <cstddef>
#include <cstdint>
#include <string>

// "(NULL)" gives no bytes. Raises -511 for a syntax without a conversion, and, as the request's
// own conversion does, for a number beyond the syntax's range or an OID or address text that is
// none; integers are read from the text's leading number ("12abc" is 12).
std::string TextToBytes(int32_t syntax, const std::string& text);
// No bytes give "(NULL)". Raises -518 for too few bytes, -511 for an unknown syntax.
std::string BytesToText(int32_t syntax, const std::string& bytes);
// The number of bytes a syntax needs; 0 for the kinds of any length.
size_t SyntaxSize(int32_t syntax);
// A binding's part of the bytes: from offset, the syntax's size or the rest. Raises -519.
std::string CutPart(const std::string& bytes, int32_t offset, int32_t syntax);

// The leading decimal number of a text (an optional "-", then digits), 0 when there is none.
// Raises -511 beyond 64 bits; LeadingNumberIn also outside [low, high].
int64_t LeadingNumber(const std::string& text);
int64_t LeadingNumberIn(const std::string& text, int64_t low, int64_t high);

// The class library's date-time number and its parts (milliseconds in the last field).
struct DateTimeParts {
    int Year = 1899, Month = 12, Day = 30, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};
DateTimeParts SplitDateTime(double value);
double JoinDateTime(const DateTimeParts& parts);
