#pragma once
// The status and transfer record that the server and each session report through OnStatus.
#include <cstdint>
#include <string>

struct NxTFTPMsg {
    int32_t Status = -1111;  // see TFTPStatus.h
    std::string StatusText;  // TFTPStatusText(Status)
    int32_t RequestMode = 0; // 1 read request (we send), 2 write request (we receive)
    std::string TransferMode = "octet";
    std::string PeerAddress = "0.0.0.0";
    std::string LocalAddress = "127.0.0.1";
    int32_t ServerPort = 69;
    std::string Spare;    // stays empty
    std::string FileName; // as the request named it
    int32_t BytesTransferred = 0;
    int32_t LastBlockLength = -1; // -1 before the first block
    int32_t PeerPort = 0;
    int32_t SessionNumber = -1; // first session is 0
    int32_t Reserved = 0;       // stays 0
    int32_t Timeout = 1000;     // 10 ms units
    int32_t SendCount = 0;      // sends of the present data block
};
