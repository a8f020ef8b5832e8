#pragma once
// Writes every variable binding received to the log file, flushed per PDU so tests can read it.

#include <cstdio>
#include <string>

struct snmp_pdu;

namespace devsim {

class PduLog {
  public:
    PduLog() = default;
    PduLog(const PduLog&) = delete;
    PduLog& operator=(const PduLog&) = delete;
    ~PduLog();

    // An empty path logs nothing. Returns false when the file cannot be created.
    bool Open(const std::string& path);
    void Record(const snmp_pdu& pdu);
    void Clear();

  private:
    std::FILE* file_ = nullptr;
    long pduCount_ = 0;
};

} // namespace devsim
