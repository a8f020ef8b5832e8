#pragma once
// A named mutex that keeps one instance per name and user: an exclusive flock on a lock file in
// $XDG_RUNTIME_DIR, else in the program folder (each used only when the user owns it, its mode is
// 0700 and it is no link). The lock is held
// until the process ends; the kernel frees it after a crash. When another holder has it, the call still
// returns a handle and GetLastError() reports ERROR_ALREADY_EXISTS; a null handle means the lock file could
// not be opened, or is not the user's own.
#include <string>

using HANDLE = void*;

HANDLE CreateMutexA(void* securityAttributes, bool initialOwner, const char* name);

// The lock file a name maps to (for tests and diagnostics); empty when the user has no usable folder.
std::string NamedMutexLockPath(const std::string& name);
// The folder of the lock files; empty when no candidate is the user's own, and then unsafe (when
// given) names the last one tried.
std::string NamedMutexFolder(std::string* unsafe = nullptr);
