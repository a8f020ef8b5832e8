#pragma once
// Wire-level helpers: opcodes, headers and bounded parsing of received datagrams.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tftp {

enum Opcode : int { OP_RRQ = 1, OP_WRQ = 2, OP_DATA = 3, OP_ACK = 4, OP_ERROR = 5 };

// Wire error codes (status code = -1101 - code).
enum ErrorCode : int {
    ERR_UNDEFINED = 0,
    ERR_NOT_FOUND = 1,
    ERR_ACCESS = 2,
    ERR_DISK_FULL = 3,
    ERR_ILLEGAL_OP = 4
};

constexpr size_t kBufferSize = 2048;
constexpr size_t kBlockSize = 512;
constexpr size_t kHeaderSize = 4;

// The 16-bit word at `offset`, most significant octet first; the caller has checked the length.
inline int Word(const uint8_t* data, size_t offset) {
    return (data[offset] << 8) | data[offset + 1];
}

// Writes opcode and word (block number or error code) into the first four octets.
void PutHeader(uint8_t* buffer, int opcode, int word);

// ERROR packet with an empty message: five octets written into `buffer`, returns the length.
size_t PutError(uint8_t* buffer, int errorCode);

struct Request {
    int Opcode = 0;
    std::string FileName;
    std::string TransferMode;
};

// Reads opcode, file name and transfer mode of a request of `length` octets. False when either text
// lacks its terminating zero within the datagram; options after the mode are not looked at.
bool ParseRequest(const uint8_t* data, size_t length, Request& out);

// A requested name must name a file directly in the root folder: not empty, no folder part,
// no parent reference.
bool IsPlainFileName(const std::string& name);

} // namespace tftp
