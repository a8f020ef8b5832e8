#pragma once
// The one transfer a form waits for: the device's address, the file it was asked to fetch or store
// and the direction. From the moment the form arms it (before the SET that asks the device) a single
// matching request is admitted; everything else, and anything once the form has ended the wait, is
// refused. Reports of the admitted session stay recognisable after it has ended.
#include "library/tftp/NxTFTPMsg.h"

#include <string>

class TFTPAwaitedTransfer {
  public:
    // requestMode: 1 the device reads the file from us, 2 it writes the file to us.
    void Await(const std::string& peerAddress, const std::string& fileName, int requestMode);
    // The form's wait is over (answered, failed or timed out): nothing more is admitted.
    void End();

    // True when `request` (peer address, file name, request mode and session number filled in) is
    // the awaited one and nothing was admitted for this wait yet; it is then admitted.
    bool Admit(const NxTFTPMsg& request);
    // True while a request may still be admitted.
    bool Waiting() const { return m_state == State::Waiting; }
    // True for the reports of the session admitted by the last wait.
    bool IsAdmitted(const NxTFTPMsg& report) const;

  private:
    enum class State { Idle, Waiting, Admitted };
    State m_state = State::Idle;
    std::string m_peerAddress;
    std::string m_fileName;
    int m_requestMode = 0;
    int m_session = -1;
};
