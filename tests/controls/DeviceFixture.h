#pragma once
// A simulated device with the binding tests' objects, and the process's session pointed at it.
#include "tests/support/DevSim.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class DeviceFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The SET bindings that the device received, as "OID=value" (octet strings in hex).
    std::vector<std::string> SetsLogged() const;
    // Number of PDUs of one kind in the log.
    int PdusLogged(const std::string& pdu) const;

    std::unique_ptr<DevSim> sim;
};

// Runs the event loop until done() or the time is up; returns done().
bool WaitUntil(const std::function<bool()>& done, int millis = 5000);
