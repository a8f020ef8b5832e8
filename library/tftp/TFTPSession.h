#pragma once
// One accepted request: its own UDP socket, its file, and the lock-step transfer of 512-byte blocks.
#include "library/tftp/NxTFTPMsg.h"
#include "library/tftp/TFTPLocalFile.h"
#include "library/tftp/TFTPPacket.h"
#include "library/tftp/TFTPSocket.h"
#include "library/tftp/TFTPStatusHandler.h"

#include <QObject>
#include <cstdint>
#include <memory>
#include <netinet/in.h>
#include <string>

class QSocketNotifier;

class _TFTPSession : public QObject {
    Q_OBJECT
  public:
    enum SessionState { Failed = 0, Running = 1, Succeeded = 2 };

    // Copies the server's record, reports status 1 and opens the session's socket on `bindAddress`.
    _TFTPSession(QObject* parent, const NxTFTPMsg& request, NxTFTPStatusHandler onStatus, std::string root,
                 const sockaddr_in& peer, const std::string& bindAddress);
    // Closes the socket and reports status 0.
    ~_TFTPSession() override;

    // A received file is then kept complete under its temporary name at success, for
    // TakeReceivedFile, instead of taking its name at once.
    void HoldReceivedFile() { m_holdReceived = true; }
    // Opens the file and sends DATA 1 (read request) or ACK 0 (write request).
    void Begin();
    // Ends a running session now: ERROR 0 to the peer, status -1114, what was received is removed.
    // Inside the session's own status handler it only sets the cancel flag.
    void Cancel();
    // The complete received file a held session keeps after its success, or null.
    std::unique_ptr<TFTPLocalFile> TakeReceivedFile();

    SessionState State() const { return m_state; }
    const NxTFTPMsg& Msg() const { return m_msg; }
    // True while OnStatus runs for this session; the server's tick leaves such a session alone.
    bool InHandler() const { return m_handlerDepth > 0; }
    // Same request mode, transfer mode, peer address and port and file name: a retransmitted request.
    bool IsSameRequest(const NxTFTPMsg& request) const;
    bool DeadlinePassed(uint32_t now) const;
    // Only a read request resends, and only while its block has gone out fewer than `retries` times.
    bool CanResend(int retries) const;
    void Resend();
    void TimeOut();
    // One datagram of `length` octets from `from`, as the session's socket delivered it.
    void HandleDatagram(const uint8_t* data, size_t length, const sockaddr_in& from);

  private:
    void OnReadable();
    void HandleAck(int block);
    void HandleData(const uint8_t* data, size_t length, int block);
    void BeginRead();
    void BeginWrite();
    // Sends the next block (up to 512 bytes from the file) as DATA `block`.
    void SendBlock(int block);
    void ReportSent(bool sent);
    void Refuse(int errorCode, int status);
    void SetStatus(int code);
    void ArmDeadline();
    void CloseFile();

    SessionState m_state = Running;
    uint32_t m_deadline = 0;
    sockaddr_in m_peer{};
    NxTFTPMsg m_msg;
    NxTFTPStatusHandler m_onStatus;
    std::string m_root;
    bool m_cancel = false;
    uint8_t m_sendBuffer[tftp::kBufferSize] = {};
    size_t m_sendLength = 0;
    // The block after the one in flight, read ahead (length -1: the read failed, sent as empty).
    uint8_t m_aheadBuffer[tftp::kBlockSize] = {};
    long m_aheadLength = 0;
    bool m_aheadHeld = false;
    uint8_t m_receiveBuffer[tftp::kBufferSize] = {};
    TFTPSocket m_socket;
    QSocketNotifier* m_notifier = nullptr;
    std::unique_ptr<TFTPLocalFile> m_file = std::make_unique<TFTPLocalFile>();
    bool m_holdReceived = false;
    bool m_holding = false; // a complete received file waits for TakeReceivedFile
    int m_highestBlock = -1;
    // The only block number the peer may send next: the DATA block just sent (read) or the one after
    // the last acknowledged (write). Anything else would skip or repeat file data.
    int m_expectedBlock = 0;
    int m_handlerDepth = 0;
};
