#pragma once
// Line commands on stdin while the simulator runs; each is acknowledged with "ok" (or "error ...").
//   set OID VALUE        change an object's value (text form of its type; quotes allowed)
//   get OID              prints "value TYPE TEXT" before "ok"
//   fail OID STATUS      refuse reads and writes under OID with STATUS (name or number)
//   unfail OID
//   drop N               lose the next N replies (requests are still processed)
//   silent SECONDS       neither process nor answer requests for that long
//   delay MILLIS         send every reply that much later (0 ends it)
//   omit OID / restore OID   leave an object group out / bring it back
//   restart              behave as after Save and Activate
//   clearlog             empty the PDU log and restart its PDU numbers
//   quit

#include <string>

namespace devsim {

class Device;

class ControlChannel {
  public:
    explicit ControlChannel(Device& device) : device_(device) {}

    // Reads what is available on fd; returns false at end of input.
    bool ReadAvailable(int fd);
    // Runs one command line and returns the reply lines (the last is "ok" or "error ...").
    std::string Execute(const std::string& line);
    bool QuitRequested() const { return quit_; }

  private:
    Device& device_;
    std::string buffer_;
    bool quit_ = false;
};

} // namespace devsim
