#pragma once
// A host name or dotted quad turned into an IPv4 address.
#include <cstdint>
#include <string>

// The address in network byte order; false when the host cannot be resolved.
bool ResolveIPv4(const std::string& host, uint32_t& address);
// The dotted quad of the host, or "" when it cannot be resolved.
std::string DottedIPv4Of(const std::string& host);
