#pragma once
// What the log form tests share: a free UDP port for the form's TFTP server, the simulator told
// to upload there, and the main window's device address edits that the address pick reads.
#include "tests/support/FormTestFixture.h"
#include "tests/support/FreePort.h"

#include <QLineEdit>
#include <memory>
#include <string>

// A simulated device whose log is `deviceLog`, uploading to KTX_TFTP_PORT (set for the test).
class LogDeviceTest : public FormTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    DevSimOptions Options() override;
    // The device's log as the simulator uploads it.
    virtual std::string DeviceLog() const { return "t1\t[System]up\n"; }

    TempDir Folder; // the form's program folder
    int TftpPort = 0;
    std::unique_ptr<QLineEdit> DeviceAddress;
    std::unique_ptr<QLineEdit> DeviceMask;

  private:
    TempDir DeviceFiles_;
};
