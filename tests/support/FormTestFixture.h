#pragma once
// What a form test needs: a simulated device, the process's SNMP session pointed at it (SNMPv2c,
// public/private), and every message box and beep recorded instead of shown.
#include "platform/MessageRecorder.h"
#include "tests/support/DevSim.h"
#include "tests/support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

class SimulatedDeviceSession {
  public:
    explicit SimulatedDeviceSession(const DevSimOptions& options = {});
    ~SimulatedDeviceSession();

    DevSim& Sim() { return *Sim_; }
    MessageRecorder& Messages() { return Recorder_; }
    // Points the defaults at the device again (a test may have changed them).
    void UseDevice();

    // The values of every binding the device received in PDUs of this type ("SET", "GET", ...), in order.
    std::vector<DevSimLogLine> Received(const std::string& pduType) const;
    // What the device holds now in each writable object of the bundled data under the prefix (those
    // of a group it leaves out excepted).
    std::map<std::string, std::string> Values(const std::string& prefix);

  private:
    std::unique_ptr<DevSim> Sim_;
    MessageRecorder Recorder_;
};

// Runs the event loop (the 20 ms pump and the forms' timers) until `done` holds or the time is up.
// The default bound only ends a wait for what does not come: a loaded machine (sanitizers, other
// builds) may take several seconds for what takes milliseconds alone.
bool PumpUntil(const std::function<bool()>& done, int timeoutMillis = 30000);

// A gtest fixture owning a SimulatedDeviceSession with the bundled data.
class FormTest : public ::testing::Test {
  protected:
    void SetUp() override { Device = std::make_unique<SimulatedDeviceSession>(Options()); }
    void TearDown() override { Device.reset(); }
    virtual DevSimOptions Options() { return {}; }

    std::unique_ptr<SimulatedDeviceSession> Device;
};
