#pragma once
// The first IPv4 address of this computer's host name, "127.0.0.1" when it cannot be found.
#include <string>

std::string LocalHostAddress();
