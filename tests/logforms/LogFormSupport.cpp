#include "tests/logforms/LogFormSupport.h"

#include "app/forms/AddressChecks.h"

#include <cstdlib>

DevSimOptions LogDeviceTest::Options() {
    DevSimOptions o;
    o.extraArgs = {"--tftp-port", std::to_string(TftpPort), "--device-log",
                   DeviceFiles_.Write("log", DeviceLog())};
    return o;
}

void LogDeviceTest::SetUp() {
    TftpPort = FreeUdpPort();
    ASSERT_GT(TftpPort, 0);
    setenv("KTX_TFTP_PORT", std::to_string(TftpPort).c_str(), 1);
    DeviceAddress = std::make_unique<QLineEdit>("127.0.0.1");
    DeviceMask = std::make_unique<QLineEdit>("255.0.0.0");
    SetDeviceAddressEdits(DeviceAddress.get(), DeviceMask.get());
    FormTest::SetUp();
}

void LogDeviceTest::TearDown() {
    FormTest::TearDown();
    SetDeviceAddressEdits(nullptr, nullptr);
    unsetenv("KTX_TFTP_PORT");
}
