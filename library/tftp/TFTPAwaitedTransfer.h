#pragma once
// The one transfer a form waits for: the device's address, the file it was asked to fetch or store
// and the direction. From the moment the form arms it (before the SET that asks the device) until
// the form ends the wait, a matching request is admitted while no admitted session runs and none
// ended whole: after a failed session the device may try again, never two at once, and a request
// repeated after the transfer ended whole is refused like everything else (the file received waits
// for the form's judgement). Reports of the sessions admitted for the wait stay recognisable after
// they ended.
#include "library/tftp/NxTFTPMsg.h"

#include <set>
#include <string>

class TFTPAwaitedTransfer {
  public:
    // requestMode: 1 the device reads the file from us, 2 it writes the file to us.
    void Await(const std::string& peerAddress, const std::string& fileName, int requestMode);
    // The form's wait is over (answered, failed or timed out): nothing more is admitted.
    void End();

    // True when `request` (peer address, file name, request mode and session number filled in) is
    // the awaited one and no admitted session runs; it is then admitted.
    bool Admit(const NxTFTPMsg& request);
    // A session's final report: when it is the admitted one and it failed, another matching request
    // may be admitted while the wait lasts; when it succeeded, none is.
    void SessionEnded(const NxTFTPMsg& report);
    // True while a request may be admitted.
    bool Waiting() const { return m_state == State::Waiting; }
    // True for the reports of the sessions admitted during the last wait.
    bool IsAdmitted(const NxTFTPMsg& report) const;

  private:
    enum class State { Idle, Waiting, Admitted, Done };
    State m_state = State::Idle;
    std::string m_peerAddress;
    std::string m_fileName;
    int m_requestMode = 0;
    int m_running = -1; // the admitted session under way
    std::set<int> m_admitted;
};
