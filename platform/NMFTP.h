#pragma once
// The FTP client component, reduced to the login test: Connect logs in with UserID and Password
// (USER/PASS) and leaves Connected true; Disconnect says QUIT. Connect raises Exception when the
// server cannot be reached or refuses the login, and before any connection when Host, UserID or
// Password holds a control character.
#include <QObject>
#include <string>

// True when `text` holds a control character (below 0x20: CR, LF, NUL and the like), which would
// end the FTP command it travels in and start one of the peer's choosing.
bool HoldsControlCharacter(const std::string& text);

class TNMFTP : public QObject {
  public:
    explicit TNMFTP(QObject* owner = nullptr);
    ~TNMFTP() override;

    int Vendor = 0; // kept for the callers; it selects nothing here
    std::string Host;
    int Port = 21;
    std::string UserID;
    std::string Password;
    int TimeoutMs = 5000;
    bool Connected() const { return Handle_ != nullptr; }

    void Connect();
    void Disconnect();

  private:
    void* Handle_ = nullptr; // the logged-in libcurl handle while connected
};
