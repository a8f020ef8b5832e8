#include "library/tftp/TFTPAwaitedTransfer.h"

void TFTPAwaitedTransfer::Await(const std::string& peerAddress, const std::string& fileName,
                                int requestMode) {
    m_peerAddress = peerAddress;
    m_fileName = fileName;
    m_requestMode = requestMode;
    m_session = -1;
    // Without an address or a name nothing could be told apart: nothing is admitted.
    m_state = peerAddress.empty() || fileName.empty() ? State::Idle : State::Waiting;
}

void TFTPAwaitedTransfer::End() {
    if (m_state == State::Waiting)
        m_state = State::Idle;
}

bool TFTPAwaitedTransfer::Admit(const NxTFTPMsg& request) {
    if (m_state != State::Waiting || request.RequestMode != m_requestMode ||
        request.PeerAddress != m_peerAddress || request.FileName != m_fileName)
        return false;
    m_state = State::Admitted;
    m_session = request.SessionNumber;
    return true;
}

bool TFTPAwaitedTransfer::IsAdmitted(const NxTFTPMsg& report) const {
    return m_session >= 0 && report.SessionNumber == m_session;
}
