#include "tests/logforms/LogFormSupport.h"

#include "app/forms/AddressChecks.h"
#include "platform/StatusBar.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

int FreeUdpPort() {
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

std::string PanelText(TStatusBar* bar) {
    return bar->PanelCount() > 0 ? bar->Panel(0)->Text() : bar->SimpleText();
}

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

std::vector<std::string> LogDeviceTest::Sets() const {
    std::vector<std::string> out;
    for (const auto& line : Device->Received("SET"))
        out.push_back(line.oid + "=" + line.value);
    return out;
}
