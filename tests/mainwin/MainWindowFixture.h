#pragma once
// The main window started as the host starts it, in-process, against a simulated device: a
// registry file and the device's .cfg in a scratch folder, the parameters on the command line.
#include "app/program/Main.h"
#include "platform/MessageRecorder.h"
#include "tests/support/DevSim.h"
#include "tests/support/FormTestFixture.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

inline constexpr char kDeviceTree[] = "1.3.6.1.4.1.48113.11.37.4";

class MainWindowOnDevice : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    virtual DevSimOptions Options() { return {}; }

    // Writes "<address>.cfg" with the simulator's port and the given further lines.
    void WriteCfg(const std::string& address, const std::string& lines = "Version=1\n");
    // Runs start-up with these parameters (after the program name).
    void Start(std::vector<std::string> parameters = {"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    // Start-up and the first lamp poll's answer.
    void StartReady();
    std::vector<DevSimLogLine> Received(const std::string& pdu) const;

    TempDir dir;
    std::filesystem::path previous;
    MessageRecorder boxes;
    std::unique_ptr<DevSim> sim;
    std::unique_ptr<TMainForm> form;
};
