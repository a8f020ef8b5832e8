#include "platform/LastError.h"

namespace {
thread_local uint32_t LastErrorCode = ERROR_SUCCESS;
}

uint32_t GetLastError() {
    return LastErrorCode;
}
void SetLastError(uint32_t code) {
    LastErrorCode = code;
}
