#pragma once
// The agent's one handler: serves every object of the device from its store.

namespace devsim {

class Device;

// Registers the handler for the whole OID tree. Returns false when the agent refuses it.
bool RegisterObjectHandler(Device& device);

} // namespace devsim
