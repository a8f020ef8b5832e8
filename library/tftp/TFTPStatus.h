#pragma once
// The server's status codes and their fixed texts (no message file replaces them).
#include <string>

enum TFTPStatusCode : int {
    TFTP_SUCCESS = 3,
    TFTP_TRANSFERRING = 2,
    TFTP_CONNECTED = 1,
    TFTP_DISCONNECTED = 0,
    TFTP_UNDEFINED = -1101, // -1101 minus the wire error code 0..7
    TFTP_NOT_FOUND = -1102,
    TFTP_ACCESS_VIOLATION = -1103,
    TFTP_DISK_FULL = -1104,
    TFTP_BAD_OPERATION = -1105,
    TFTP_UNKNOWN_PORT = -1106,
    TFTP_ALREADY_EXISTS = -1107,
    TFTP_NO_SUCH_USER = -1108,
    TFTP_SOCKET_OPEN_FAILED = -1109,
    TFTP_SOCKET_IO_FAILED = -1110,
    TFTP_SOCKET_NOT_READY = -1111,
    TFTP_BAD_PACKET = -1112,
    TFTP_TIMEOUT = -1113,
    TFTP_CANCELED = -1114,
};

// Unknown codes get the undefined-error text.
std::string TFTPStatusText(int code);
