#pragma once
// The station's TFTP server: listens on a UDP port, turns each new read or write request into a
// _TFTPSession and drives resends and time-outs from a 20 ms tick, all on Qt's event loop.
#include "library/tftp/NxTFTPMsg.h"
#include "library/tftp/TFTPAwaitedTransfer.h"
#include "library/tftp/TFTPPacket.h"
#include "library/tftp/TFTPSocket.h"
#include "library/tftp/TFTPStatusHandler.h"

#include <QCoreApplication>
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QSocketNotifier;
class QTimer;
class TFTPLocalFile;
class _TFTPSession;

class NxTFTPServer : public QObject {
    Q_OBJECT
  public:
    explicit NxTFTPServer(QObject* owner);
    // Stops, then destroys the sessions still listed (each reports status 0).
    ~NxTFTPServer() override;

    // Time-out of each packet in 10 ms units, and how often a DATA block goes out at most.
    void SetTimeout(int timeout, int retries);
    // Sessions created afterwards report through `handler`.
    void SetOnStatus(NxTFTPStatusHandler handler);
    // Sets the root folder (a separator is appended; an empty root serves no file at all) and the
    // port; opens the listening socket unless it is open already. Raises Exception with the -1109
    // text when the socket cannot be opened, the port being in use included (PortInUse then).
    void Start(const std::string& root, int port = 69);
    // The last Start failed because another socket holds the port.
    bool PortInUse() const { return m_portInUse; }
    // Closes the listening socket and pumps messages for up to 10 s while sessions remain.
    void Stop();
    // What Stop pumps messages with: Qt's events without the window system's input by default;
    // a window that must hold posted input and closes as well gives its own.
    std::function<void()> MessagePump = [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    // Local address the sockets bind to, "0.0.0.0" by default; tests and tools keep to loopback.
    void SetBindAddress(const std::string& address) { m_bindAddress = address; }

    // From now on a request is served only when Awaited() admits it; every other one gets ERROR 2
    // (access violation) from the server's port and one report of status -1103 (with the server's
    // record: no session is made for it).
    void ServeOnlyAwaited() { m_onlyAwaited = true; }
    // Under ServeOnlyAwaited a file the device writes keeps its temporary name until the form has
    // judged the transfer, so that only a transfer judged successful replaces a file.
    TFTPAwaitedTransfer& Awaited() { return m_awaited; }
    const TFTPAwaitedTransfer& Awaited() const { return m_awaited; }
    // The form's judgement, once per admitted session: nothing more is admitted. keep: received
    // files take their names (a session still running does so when it completes); otherwise
    // running sessions are cancelled and received files removed. False when a file could not
    // take its name.
    bool EndAwaited(bool keep);
    size_t HeldFileCount() const { return m_held.size(); }

    bool IsListening() const { return m_socket.IsOpen(); }
    const NxTFTPMsg& Msg() const { return m_msg; }
    const std::string& Root() const { return m_root; }
    int Retries() const { return m_retries; }
    size_t SessionCount() const { return m_sessions.size(); }

    NxTFTPStatusHandler OnStatus;

  private:
    void OnRequest();
    void OnTick();
    bool IsRetransmission() const;
    // ERROR 2 to a request the awaited transfer does not admit, and status -1103.
    void RefuseRequest(const sockaddr_in& from);
    void RemoveAt(size_t index);
    // The received file of an ended session: given its name, removed, or held for the judgement.
    bool Settle(_TFTPSession* session);

    int m_retries = 3;
    NxTFTPMsg m_msg;
    std::string m_root;
    std::string m_bindAddress = "0.0.0.0";
    bool m_onlyAwaited = false;
    bool m_portInUse = false;
    std::map<int, bool> m_verdicts; // admitted session number -> keep its file
    std::vector<std::pair<int, std::unique_ptr<TFTPLocalFile>>> m_held;
    TFTPAwaitedTransfer m_awaited;
    TFTPSocket m_socket;
    QSocketNotifier* m_notifier = nullptr;
    std::vector<_TFTPSession*> m_sessions;
    QTimer* m_timer = nullptr;
    // A status handler may pump messages while a request becomes a session, so the lock re-enters.
    std::recursive_mutex m_lock;
    uint8_t m_receiveBuffer[tftp::kBufferSize] = {};
};
