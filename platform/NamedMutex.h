#pragma once
// A named mutex that keeps one instance per name and account: an exclusive flock on a lock file in
// the account's program folder (~/.local/share/ktx7593ap, the home from the password database),
// else in its runtime folder /run/user/<uid>, each used only when the user owns it, its mode is
// 0700 and it is no link. Nothing of the place comes from the environment: a start from cron, su
// or a service finds the lock of a start from the desktop. The runtime folder comes and goes with
// the account's sessions, so it is the fallback only. The lock is held until the process ends; the
// kernel frees it after a crash. When another holder has it, the call still returns a handle and
// GetLastError() reports ERROR_ALREADY_EXISTS; a null handle means the lock file could not be
// opened, or is not the user's own.
#include <string>

using HANDLE = void*;

// The account the lock's place follows.
struct LockAccount {
    std::string Home;          // from the password database
    std::string RuntimeFolder; // /run/user/<uid>
};
LockAccount SystemLockAccount();
// Tests only: the account every later lock follows; null puts the system's back.
void SetLockAccount(const LockAccount* account);

HANDLE CreateMutexA(void* securityAttributes, bool initialOwner, const char* name);

// The lock file a name maps to (for tests and diagnostics); empty when the user has no usable folder.
std::string NamedMutexLockPath(const std::string& name);
// The folder of the lock files; empty when no candidate is the user's own, and then unsafe (when
// given) names the account's program folder.
std::string NamedMutexFolder(std::string* unsafe = nullptr);
