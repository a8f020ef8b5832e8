#include "library/tftp/TFTPStatus.h"

std::string TFTPStatusText(int code) {
    switch (code) {
    case TFTP_SUCCESS:
        return "(NxTFTP) Success to transfer file.";
    case TFTP_TRANSFERRING:
        return "(NxTFTP) File is transferring...";
    case TFTP_CONNECTED:
        return "(NxTFTP) A TFTP session is connected...";
    case TFTP_DISCONNECTED:
        return "(NxTFTP) A TFTP session is disconnected...";
    case TFTP_NOT_FOUND:
        return "(NxTFTP) File not found!";
    case TFTP_ACCESS_VIOLATION:
        return "(NxTFTP) Access violation!";
    case TFTP_DISK_FULL:
        return "(NxTFTP) Disk full!";
    case TFTP_BAD_OPERATION:
        return "(NxTFTP) Bad operation!";
    case TFTP_UNKNOWN_PORT:
        return "(NxTFTP) Unknown port!";
    case TFTP_ALREADY_EXISTS:
        return "(NxTFTP) File already exist!";
    case TFTP_NO_SUCH_USER:
        return "(NxTFTP) No such user!";
    case TFTP_SOCKET_OPEN_FAILED:
        return "(NxTFTP) Fail to open socket!Please check if the network is ready.";
    case TFTP_SOCKET_IO_FAILED:
        return "(NxTFTP) Fail to send or receive socket packet!";
    case TFTP_SOCKET_NOT_READY:
        return "(NxTFTP) Socket is not ready!";
    case TFTP_BAD_PACKET:
        return "(NxTFTP) Bad packet!";
    case TFTP_TIMEOUT:
        return "(NxTFTP) Timeout!";
    case TFTP_CANCELED:
        return "(NxTFTP) Transfer has been canceled.";
    default:
        return "(NxTFTP) Undefined error:";
    }
}
