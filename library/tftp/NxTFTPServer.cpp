#include "library/tftp/NxTFTPServer.h"

#include "library/tftp/FileSizeLimit.h"
#include "library/tftp/LocalHostAddress.h"
#include "library/tftp/TFTPLocalFile.h"
#include "library/tftp/TFTPSession.h"
#include "library/tftp/TFTPStatus.h"
#include "platform/Clock.h"
#include "platform/Exception.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <utility>

using namespace tftp;

namespace {
constexpr int kTickMs = 20;
constexpr uint32_t kStopWaitMs = 10000;
// Each session holds a socket until it ends; a peer spraying requests must not exhaust them.
constexpr size_t kMaxSessions = 64;

[[noreturn]] void RaiseSocketFailure() {
    throw Exception(TFTPStatusText(TFTP_SOCKET_OPEN_FAILED), TFTP_SOCKET_OPEN_FAILED);
}
} // namespace

NxTFTPServer::NxTFTPServer(QObject* owner) : QObject(owner) {
    IgnoreFileSizeSignal();
    m_msg.StatusText = TFTPStatusText(m_msg.Status);
    m_msg.LocalAddress = LocalHostAddress();
    m_timer = new QTimer(this);
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, [this] { OnTick(); });
}

NxTFTPServer::~NxTFTPServer() {
    Stop();
    std::vector<_TFTPSession*> left;
    left.swap(m_sessions);
    for (_TFTPSession* session : left)
        delete session;
}

void NxTFTPServer::SetTimeout(int timeout, int retries) {
    m_msg.Timeout = timeout;
    m_retries = retries;
}

void NxTFTPServer::SetOnStatus(NxTFTPStatusHandler handler) {
    OnStatus = std::move(handler);
}

void NxTFTPServer::Start(const std::string& root, int port) {
    m_root = root;
    if (!m_root.empty() && m_root.back() != '/' && m_root.back() != '\\')
        m_root += '/';
    m_msg.ServerPort = port;
    if (m_socket.IsOpen())
        return;
    m_portInUse = false;
    if (port < 0 || port > 65535 || !m_socket.Open(m_bindAddress, static_cast<uint16_t>(port))) {
        m_portInUse = port >= 0 && port <= 65535 && errno == EADDRINUSE;
        RaiseSocketFailure();
    }
    m_notifier = new QSocketNotifier(m_socket.Fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { OnRequest(); });
    m_timer->start();
}

void NxTFTPServer::Stop() {
    if (m_notifier) {
        // Stop may run from a status handler inside this notifier's own signal.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    m_socket.Close();
    const uint32_t started = GetTickCount();
    while (!m_sessions.empty() && GetTickCount() - started < kStopWaitMs) {
        MessagePump();
        Sleep(1); // the 20 ms tick does the work; do not spin the processor meanwhile
    }
    m_timer->stop();
}

void NxTFTPServer::OnRequest() {
    sockaddr_in from{};
    long n = m_socket.Receive(m_receiveBuffer, sizeof m_receiveBuffer, from);
    if (n < static_cast<long>(kHeaderSize))
        return;
    std::unique_lock lock(m_lock);
    m_msg.Status = TFTP_CONNECTED;
    m_msg.StatusText = TFTPStatusText(TFTP_CONNECTED);
    Request request;
    if (!ParseRequest(m_receiveBuffer, static_cast<size_t>(n), request))
        return;
    if (request.Opcode != OP_RRQ && request.Opcode != OP_WRQ)
        return;
    m_msg.RequestMode = request.Opcode;
    m_msg.FileName = request.FileName;
    m_msg.TransferMode = request.TransferMode;
    m_msg.PeerAddress = AddressText(from);
    m_msg.PeerPort = PortOf(from);
    if (IsRetransmission())
        return;
    if (m_sessions.size() >= kMaxSessions) {
        uint8_t refusal[8];
        m_socket.SendTo(refusal, PutError(refusal, ERR_UNDEFINED), from);
        return;
    }
    m_msg.SendCount = 0;
    if (m_onlyAwaited) {
        NxTFTPMsg candidate = m_msg;
        candidate.SessionNumber = m_msg.SessionNumber + 1;
        if (!m_awaited.Admit(candidate)) {
            lock.unlock();
            return RefuseRequest(from);
        }
    }
    ++m_msg.SessionNumber;
    NxTFTPStatusHandler handler = OnStatus;
    if (m_onlyAwaited)
        handler = [this, onStatus = OnStatus](NxTFTPMsg* msg, bool* cancel) {
            if (msg->Status == TFTP_SUCCESS || msg->Status < 0)
                m_awaited.SessionEnded(*msg);
            if (onStatus)
                onStatus(msg, cancel);
        };
    auto* session = new _TFTPSession(this, m_msg, std::move(handler), m_root, from, m_bindAddress);
    if (m_onlyAwaited)
        session->HoldReceivedFile();
    m_sessions.push_back(session);
    lock.unlock();
    session->Begin();
}

void NxTFTPServer::RefuseRequest(const sockaddr_in& from) {
    // Answered from the listening socket and kept in no list: refusals hold no socket and cannot
    // crowd out the awaited request however many arrive.
    uint8_t refusal[8];
    const bool sent = m_socket.SendTo(refusal, PutError(refusal, ERR_ACCESS), from);
    m_msg.Status = sent ? TFTP_ACCESS_VIOLATION : TFTP_SOCKET_IO_FAILED;
    m_msg.StatusText = TFTPStatusText(m_msg.Status);
    if (OnStatus) {
        NxTFTPMsg report = m_msg;
        report.SessionNumber = -1; // no session: never taken for the awaited one's
        bool cancel = false;
        try {
            OnStatus(&report, &cancel);
        } catch (...) {
            // A handler's failure must not tear down the event loop.
        }
    }
}

bool NxTFTPServer::IsRetransmission() const {
    for (const _TFTPSession* session : m_sessions)
        if (session->IsSameRequest(m_msg))
            return true;
    return false;
}

void NxTFTPServer::RemoveAt(size_t index) {
    m_sessions.erase(m_sessions.begin() + static_cast<long>(index));
}

bool NxTFTPServer::Settle(_TFTPSession* session) {
    std::unique_ptr<TFTPLocalFile> file = session->TakeReceivedFile();
    const int number = session->Msg().SessionNumber;
    const auto verdict = m_verdicts.find(number);
    if (!file) {
        if (verdict != m_verdicts.end())
            m_verdicts.erase(verdict);
        return true;
    }
    if (verdict == m_verdicts.end()) {
        m_held.emplace_back(number, std::move(file));
        return true;
    }
    const bool keep = verdict->second;
    m_verdicts.erase(verdict);
    return !keep || file->Commit() == TFTPLocalFile::Result::Ok; // a removed file closes here
}

bool NxTFTPServer::EndAwaited(bool keep) {
    m_awaited.End();
    bool stored = true;
    for (auto& [number, file] : m_held) {
        if (keep && file->Commit() != TFTPLocalFile::Result::Ok)
            stored = false;
        file.reset();
    }
    m_held.clear();
    // Numbers first: a cancelled session's report runs the form's handler, which may come back here.
    std::vector<int> undecided;
    for (const _TFTPSession* session : m_sessions)
        if (m_awaited.IsAdmitted(session->Msg()) && !m_verdicts.count(session->Msg().SessionNumber))
            undecided.push_back(session->Msg().SessionNumber);
    for (int number : undecided) {
        m_verdicts[number] = keep;
        for (_TFTPSession* session : m_sessions) {
            if (session->Msg().SessionNumber != number)
                continue;
            if (session->State() == _TFTPSession::Running) {
                if (!keep)
                    session->Cancel();
            } else if (!Settle(session)) {
                stored = false;
            }
            break;
        }
    }
    return stored;
}

void NxTFTPServer::OnTick() {
    const uint32_t now = GetTickCount();
    // A status handler may pump messages and re-enter here, so the list is re-read at every step.
    for (size_t i = 0; i < m_sessions.size(); ++i) {
        _TFTPSession* session = m_sessions[i];
        if (session->InHandler())
            continue;
        if (session->State() != _TFTPSession::Running) {
            RemoveAt(i);
            Settle(session);
            delete session;
            return;
        }
        if (!session->DeadlinePassed(now))
            continue;
        if (session->CanResend(m_retries)) {
            session->Resend();
            continue;
        }
        RemoveAt(i);
        session->TimeOut();
        delete session;
        return;
    }
}
