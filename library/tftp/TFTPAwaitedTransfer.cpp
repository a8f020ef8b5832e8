#include "library/tftp/TFTPAwaitedTransfer.h"

#include "library/tftp/TFTPStatus.h"

void TFTPAwaitedTransfer::Await(const std::string& peerAddress, const std::string& fileName,
                                int requestMode) {
    m_peerAddress = peerAddress;
    m_fileName = fileName;
    m_requestMode = requestMode;
    m_running = -1;
    m_admitted.clear();
    // Without an address or a name nothing could be told apart: nothing is admitted.
    m_state = peerAddress.empty() || fileName.empty() ? State::Idle : State::Waiting;
}

void TFTPAwaitedTransfer::End() {
    m_state = State::Idle;
}

bool TFTPAwaitedTransfer::Admit(const NxTFTPMsg& request) {
    if (m_state != State::Waiting || request.RequestMode != m_requestMode ||
        request.PeerAddress != m_peerAddress || request.FileName != m_fileName || request.SessionNumber < 0)
        return false;
    m_state = State::Admitted;
    m_running = request.SessionNumber;
    m_admitted.insert(request.SessionNumber);
    return true;
}

void TFTPAwaitedTransfer::SessionEnded(const NxTFTPMsg& report) {
    if (m_state == State::Admitted && report.SessionNumber == m_running) {
        m_running = -1;
        m_state = report.Status == TFTP_SUCCESS ? State::Done : State::Waiting;
    }
}

bool TFTPAwaitedTransfer::IsAdmitted(const NxTFTPMsg& report) const {
    return m_admitted.count(report.SessionNumber) != 0;
}
