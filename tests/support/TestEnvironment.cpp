// Gives every test binary KTX_BIN_DIR and KTX_SOURCE_DIR even when its runner passed only part
// of the environment (CTest's discovered tests receive a single ENVIRONMENT entry here).
#include <cstdlib>

namespace {
const bool environmentSet = [] {
    setenv("KTX_BIN_DIR", KTX_TEST_BIN_DIR, 0);
    setenv("KTX_SOURCE_DIR", KTX_TEST_SOURCE_DIR, 0);
    return true;
}();
} // namespace
