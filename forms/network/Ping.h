#pragma once
// One ICMP echo exchange of three requests, 1 s each.
#include <cstdint>
#include <string>

// True when the host (name or dotted address) answers any of three echo requests with a reply to
// that request. An unresolvable host shows the notice "Unable to resolve " and gives false.
bool Ping(const std::string& host);

// The 12-byte echo request: type 8, code 0, checksum, then identifier, sequence number and data,
// each least significant byte first.
void BuildEchoRequest(uint8_t* request, uint16_t identifier, uint16_t sequence, uint32_t data);
