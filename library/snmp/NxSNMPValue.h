#pragma once
// A binding's value in plain terms, and its text form by syntax code. The engine's binding class
// fills an NxSNMPValue from a received binding and builds one from TextToValue's result.
#include "library/snmp/VarDef.h"

#include <cstdint>
#include <string>
#include <vector>

struct NxSNMPValue {
    enum class Kind : uint8_t { Null, Number, Bytes, Ids };
    Kind Type = Kind::Null;
    int32_t Syntax = SYN_NULL; // the syntax code of the binding
    // Integers (signed ones as two's complement), counters, gauges, time ticks, counter64.
    uint64_t Number = 0;
    // Octet strings of every kind; an IP or NSAP address as its four octets.
    std::string Octets;
    std::vector<uint32_t> Oid;
};

// The row's value text from a binding (option text when the row has an option list).
// Raises -511 for a syntax without a conversion.
std::string ValueToText(const VarDef& row, const NxSNMPValue& value);
// Whether an answered binding is a value of the row's syntax that the row can hold whole: of a
// type the object may legitimately be answered with, within the syntax's range and size.
bool AnswerFits(int32_t rowSyntax, const NxSNMPValue& value);
// The binding value for the row's value text, of the row's syntax. Raises -511 likewise.
NxSNMPValue TextToValue(const VarDef& row);

// Text forms shared by the conversions.
std::string HexText(const std::string& octets);      // two upper-case digits per octet
std::string HexToOctets(const std::string& text);    // pairs of hex digits; other characters skipped
std::string TimeTicksText(uint32_t ticks);           // "D days, hh:mm:ss.cc"
uint32_t TimeTicksFromText(const std::string& text); // that form, or a plain count
std::string DottedOctets(const std::string& octets); // "10.0.0.1"
std::string DottedIds(const std::vector<uint32_t>& ids);
std::vector<uint32_t> ParseDottedIds(const std::string& text); // empty parts skipped
// Values that go to the device are never folded into another: each raises -511 for a text that
// is no dotted quad (an empty one is the zero address), or a number beyond the range.
std::string DottedQuadOctets(const std::string& text);
int64_t SignedInRange(const std::string& text, int64_t low, int64_t high);
uint64_t UnsignedInRange(const std::string& text, uint64_t high);
uint32_t TimeTicksInRange(const std::string& text);           // as TimeTicksFromText, 32 bits
std::vector<uint32_t> OidIdsInRange(const std::string& text); // numbers of 32 bits; empty parts skipped
// Hex digits in whole pairs (other characters skipped), `size` octets of them unless size is 0;
// a text without digits gives none.
std::string HexOctetsInRange(const std::string& text, size_t size);
double FiniteFloat(const std::string& text);            // a float text whose value is finite
std::string DateAndTimeText(const std::string& octets); // 8 or 11 octets, year first octet high
std::string DateAndTimeOctets(const std::string& text); // 11 octets

// A row's value text (empty when it has none) and the same mapped to its option key.
std::string RowText(const VarDef& row);
std::string RowKeyText(const VarDef& row);
void SetRowText(VarDef& row, const std::string& text);
// Stores a raw value, through the row's option list to its display text.
void SetRowValue(VarDef& row, const std::string& raw);
