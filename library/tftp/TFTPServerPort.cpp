#include "library/tftp/TFTPServerPort.h"

#include "platform/Convert.h"

#include <cstdlib>

int TFTPServerPort() {
    const char* text = std::getenv("KTX_TFTP_PORT");
    int32_t port = 0;
    if (text && TryStrToInt(text, port) && port > 0 && port < 65536)
        return port;
    return 69;
}
