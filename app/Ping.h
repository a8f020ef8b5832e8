#pragma once
// One ICMP echo exchange of three requests, 1 s each.
#include <string>

// True when the host (name or dotted address) answers any of three echo requests with a reply to
// that request. An unresolvable host shows the notice "Unable to resolve " and gives false.
bool Ping(const std::string& host);
