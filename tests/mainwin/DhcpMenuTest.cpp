// The main window's "DHCP Server" item against a device with the DHCP server: it opens the DHCP
// form, which reads the device and closes once its first reads have ended.
#include "app/program/MenuHandlers.h"
#include "forms/network/Dhcp.h"
#include "platform/Edit.h"
#include "tests/mainwin/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace {

using DhcpMenu = MainWindowOnDevice;

TEST_F(DhcpMenu, TheDhcpServerItemOpensTheForm) {
    StartReady();
    SetMenuHandler("DHCPServer1", [](QWidget*) { ShowDhcpForm(); });
    emit form->Advanced1->aboutToShow();
    ASSERT_TRUE(form->DHCPServer1->isVisible());
    std::string start;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dhcp = qobject_cast<TFM_DHCP*>(QApplication::activeModalWidget());
        if (dhcp == nullptr || dhcp->BusyNow()) // its first reads and walks are still out
            return;
        poll.stop();
        start = dhcp->Ed_IPAF->Text();
        dhcp->close();
    });
    poll.start(20);
    form->DHCPServer1->trigger(); // returns when the form has closed
    SetMenuHandler("DHCPServer1", {});
    EXPECT_EQ(start, "192.168.1.100");
    EXPECT_TRUE(boxes.Boxes.empty());
}

} // namespace
