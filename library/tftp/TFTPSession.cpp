#include "library/tftp/TFTPSession.h"

#include "library/tftp/TFTPStatus.h"
#include "platform/Clock.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

using namespace tftp;

namespace {
// Reads until `size` bytes or the end of the file; -1 on a read error.
long ReadFull(int fd, uint8_t* buffer, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return static_cast<long>(done);
}

bool WriteFull(int fd, const uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}
} // namespace

_TFTPSession::_TFTPSession(QObject* parent, const NxTFTPMsg& request, NxTFTPStatusHandler onStatus,
                           std::string root, const sockaddr_in& peer, const std::string& bindAddress)
    : QObject(parent), m_peer(peer), m_msg(request), m_onStatus(std::move(onStatus)),
      m_root(std::move(root)) {
    m_msg.BytesTransferred = 0;
    m_msg.LastBlockLength = -1;
    SetStatus(TFTP_CONNECTED);
    if (!m_socket.Open(bindAddress, 0)) {
        // Begin still runs; its first send fails and ends the session.
        SetStatus(TFTP_SOCKET_OPEN_FAILED);
        return;
    }
    m_socket.Connect(m_peer); // an unconnected socket works too, only a little slower
    m_notifier = new QSocketNotifier(m_socket.Fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { OnReadable(); });
}

_TFTPSession::~_TFTPSession() {
    delete m_notifier;
    m_notifier = nullptr;
    m_socket.Close();
    SetStatus(TFTP_DISCONNECTED);
    CloseFile();
}

void _TFTPSession::Begin() {
    if (m_cancel) {
        SetStatus(TFTP_CANCELED);
        return;
    }
    if (!m_socket.IsOpen()) {
        // Nothing can reach the peer; leave the file system untouched.
        SetStatus(TFTP_SOCKET_IO_FAILED);
        return;
    }
    switch (m_msg.RequestMode) {
    case OP_RRQ:
        return BeginRead();
    case OP_WRQ:
        return BeginWrite();
    default:
        Refuse(ERR_ILLEGAL_OP, TFTP_BAD_OPERATION);
    }
}

void _TFTPSession::BeginRead() {
    if (!IsPlainFileName(m_msg.FileName))
        return Refuse(ERR_ACCESS, TFTP_ACCESS_VIOLATION);
    switch (m_file->OpenForRead(m_root, m_msg.FileName)) {
    case TFTPLocalFile::Result::Ok:
        return SendBlock(1);
    case TFTPLocalFile::Result::Refused:
        return Refuse(ERR_ACCESS, TFTP_ACCESS_VIOLATION);
    default:
        return Refuse(ERR_NOT_FOUND, TFTP_NOT_FOUND);
    }
}

void _TFTPSession::BeginWrite() {
    if (!IsPlainFileName(m_msg.FileName) ||
        m_file->OpenForWrite(m_root, m_msg.FileName) != TFTPLocalFile::Result::Ok)
        return Refuse(ERR_ACCESS, TFTP_ACCESS_VIOLATION);
    PutHeader(m_sendBuffer, OP_ACK, 0);
    m_sendLength = kHeaderSize;
    m_expectedBlock = 1;
    ReportSent(m_socket.SendTo(m_sendBuffer, m_sendLength, m_peer));
}

void _TFTPSession::SendBlock(int block) {
    long count = m_aheadHeld ? m_aheadLength : ReadFull(m_file->Fd(), m_sendBuffer + kHeaderSize, kBlockSize);
    if (m_aheadHeld && count > 0)
        std::memcpy(m_sendBuffer + kHeaderSize, m_aheadBuffer, static_cast<size_t>(count));
    m_aheadHeld = false;
    if (count < 0)
        count = 0;
    m_msg.LastBlockLength = static_cast<int32_t>(count);
    m_msg.BytesTransferred += static_cast<int32_t>(count);
    PutHeader(m_sendBuffer, OP_DATA, block);
    m_sendLength = kHeaderSize + static_cast<size_t>(count);
    m_expectedBlock = block;
    m_msg.SendCount = 1;
    ReportSent(m_socket.SendTo(m_sendBuffer, m_sendLength, m_peer));
    // Read the next block while the peer handles this one, so that its ACK finds the reply ready.
    if (count == static_cast<long>(kBlockSize) && m_file->IsOpen() && m_state == Running) {
        m_aheadLength = ReadFull(m_file->Fd(), m_aheadBuffer, kBlockSize);
        m_aheadHeld = true;
    }
}

void _TFTPSession::ReportSent(bool sent) {
    if (!sent)
        return SetStatus(TFTP_SOCKET_IO_FAILED);
    ArmDeadline();
    SetStatus(TFTP_TRANSFERRING);
}

void _TFTPSession::Refuse(int errorCode, int status) {
    size_t length = PutError(m_sendBuffer, errorCode);
    SetStatus(m_socket.SendTo(m_sendBuffer, length, m_peer) ? status : TFTP_SOCKET_IO_FAILED);
}

void _TFTPSession::OnReadable() {
    sockaddr_in from{};
    long n = m_socket.Receive(m_receiveBuffer, sizeof m_receiveBuffer, from);
    if (n >= 0)
        HandleDatagram(m_receiveBuffer, static_cast<size_t>(n), from);
}

void _TFTPSession::HandleDatagram(const uint8_t* data, size_t length, const sockaddr_in& from) {
    if (length < kHeaderSize || !m_file->IsOpen() || m_state != Running)
        return;
    // Only the requesting peer's port may steer the transfer.
    if (from.sin_addr.s_addr != m_peer.sin_addr.s_addr || from.sin_port != m_peer.sin_port)
        return;
    const int opcode = Word(data, 0);
    const int block = Word(data, 2);
    const int wanted = m_msg.RequestMode == OP_RRQ ? OP_ACK : OP_DATA;
    if (opcode != wanted || block <= m_highestBlock || block != m_expectedBlock)
        return;
    m_deadline = 0;
    m_msg.PeerPort = PortOf(from);
    m_highestBlock = block;
    if (m_cancel)
        return SetStatus(TFTP_CANCELED);
    if (opcode == OP_ACK)
        HandleAck(block);
    else
        HandleData(data + kHeaderSize, length - kHeaderSize, block);
}

void _TFTPSession::HandleAck(int block) {
    if (m_msg.LastBlockLength < static_cast<int32_t>(kBlockSize)) {
        SetStatus(TFTP_SUCCESS);
        return;
    }
    SendBlock(block + 1);
}

void _TFTPSession::HandleData(const uint8_t* data, size_t length, int block) {
    if (!WriteFull(m_file->Fd(), data, length))
        return Refuse(ERR_DISK_FULL, TFTP_DISK_FULL);
    m_msg.LastBlockLength = static_cast<int32_t>(length);
    m_msg.BytesTransferred += static_cast<int32_t>(length);
    const bool last = length < kBlockSize;
    // The forms load the file on the success report, so it must carry its name by then, unless
    // the name is given only once the transfer is judged.
    if (last) {
        const TFTPLocalFile::Result stored = m_holdReceived ? m_file->Finish() : m_file->Commit();
        if (stored == TFTPLocalFile::Result::NoSpace)
            return Refuse(ERR_DISK_FULL, TFTP_DISK_FULL);
        if (stored != TFTPLocalFile::Result::Ok)
            return Refuse(ERR_ACCESS, TFTP_ACCESS_VIOLATION);
    }
    PutHeader(m_sendBuffer, OP_ACK, block);
    m_sendLength = kHeaderSize;
    m_expectedBlock = block + 1;
    if (!m_socket.SendTo(m_sendBuffer, m_sendLength, m_peer))
        return SetStatus(TFTP_SOCKET_IO_FAILED);
    if (last) {
        m_holding = m_holdReceived;
        SetStatus(TFTP_SUCCESS);
    } else {
        ArmDeadline();
        SetStatus(TFTP_TRANSFERRING);
    }
}

bool _TFTPSession::IsSameRequest(const NxTFTPMsg& request) const {
    return m_msg.RequestMode == request.RequestMode && m_msg.TransferMode == request.TransferMode &&
           m_msg.PeerAddress == request.PeerAddress && m_msg.PeerPort == request.PeerPort &&
           m_msg.FileName == request.FileName;
}

bool _TFTPSession::DeadlinePassed(uint32_t now) const {
    return m_deadline != 0 && static_cast<int32_t>(now - m_deadline) >= 0;
}

bool _TFTPSession::CanResend(int retries) const {
    return m_msg.RequestMode == OP_RRQ && m_msg.SendCount < retries;
}

void _TFTPSession::Resend() {
    ++m_msg.SendCount;
    ReportSent(m_socket.SendTo(m_sendBuffer, m_sendLength, m_peer));
}

void _TFTPSession::TimeOut() {
    m_deadline = 0;
    SetStatus(TFTP_TIMEOUT);
}

void _TFTPSession::SetStatus(int code) {
    m_msg.Status = code;
    m_msg.StatusText = TFTPStatusText(code);
    if (m_onStatus) {
        ++m_handlerDepth;
        try {
            m_onStatus(&m_msg, &m_cancel);
        } catch (...) {
            // A handler's failure must not tear down the event loop; the transfer goes on.
        }
        --m_handlerDepth;
    }
    if (code == TFTP_SUCCESS) {
        if (!m_holding)
            CloseFile();
        m_state = Succeeded;
    } else if (code < 0) {
        CloseFile();
        m_state = Failed;
    }
}

void _TFTPSession::ArmDeadline() {
    m_deadline = GetTickCount() + static_cast<uint32_t>(m_msg.Timeout) * 10u;
    if (m_deadline == 0)
        m_deadline = 1; // 0 means "no deadline"
}

void _TFTPSession::Cancel() {
    if (m_state != Running)
        return;
    m_cancel = true;
    if (InHandler())
        return; // the report under way ends the session or its next datagram does
    m_deadline = 0;
    size_t length = PutError(m_sendBuffer, ERR_UNDEFINED);
    m_socket.SendTo(m_sendBuffer, length, m_peer);
    SetStatus(TFTP_CANCELED);
}

std::unique_ptr<TFTPLocalFile> _TFTPSession::TakeReceivedFile() {
    if (!m_holding)
        return nullptr;
    m_holding = false;
    return std::exchange(m_file, std::make_unique<TFTPLocalFile>());
}

void _TFTPSession::CloseFile() {
    m_file->Close();
}
