#pragma once
// The address and mask the simulated device reports for itself: by default the address it listens
// on with the mask of the station's network holding it, so that the station finds itself on the
// device's subnet and file transfers run as against a device on its LAN.

#include "tools/devsim/ObjectStore.h"

#include <string>

namespace devsim {

// The netmask of the local interface whose network holds `address`; "255.0.0.0" for loopback
// addresses no interface lists, else empty.
std::string NetworkMaskOf(const std::string& address);

// Puts `address` and `mask` into the device's own address objects that the data holds.
void SetDeviceAddress(ObjectStore& store, const std::string& address, const std::string& mask);

} // namespace devsim
