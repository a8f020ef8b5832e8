// Linked into the program that the tests start: its single-instance lock follows the scratch
// account the test names, never the real account's home or runtime folder.
#include "platform/NamedMutex.h"

#include <cstdlib>

namespace {
const bool accountSet = [] {
    const char* home = std::getenv("KTX_TEST_ACCOUNT_HOME");
    const char* runtime = std::getenv("KTX_TEST_ACCOUNT_RUNTIME");
    // Without both, no folder is usable and the start ends before it locks anything.
    const LockAccount account{home ? home : "", home && runtime ? runtime : ""};
    SetLockAccount(&account);
    return true;
}();
} // namespace
