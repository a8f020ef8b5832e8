#include "app/Application.h"
#include "app/Lamp.h"
#include "app/Main.h"
#include "app/Wait.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/MessageRecorder.h"
#include "platform/NamedMutex.h"
#include "platform/ParamStr.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Each case runs start-up in a scratch folder: the session keeps its boot counter in the working
// folder and the single-instance locks live in the runtime folder.
class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
        setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
        setenv("KTX_REGISTRY_FILE", dir.File("registry.ini").c_str(), 1);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        unsetenv("KTX_REGISTRY_FILE");
        QCoreApplication::processEvents(); // a queued quit from a refused start-up
    }
    void Start(TMainForm& form, std::vector<std::string> parameters) {
        parameters.insert(parameters.begin(), "ktx7593ap");
        SetCommandLine(parameters);
        form.FormCreate(&form);
    }

    TempDir dir;
    std::filesystem::path previous;
    MessageRecorder boxes;
};

TEST_F(MainWindow, StartsForOneDevice) {
    dir.Write("registry.ini", "[SOFTWARE\\Quenvar\\Orbisk5.1\\MibFile]\nPath=" + dir.Path() + "/\n");
    dir.Write("127.0.0.3.cfg", "[Program Information]\nAgentPort=1161\nVersion=1\n");
    TMainForm form;
    Start(form, {"/I127.0.0.3", "/Rread"});
    EXPECT_TRUE(boxes.Boxes.empty());
    EXPECT_EQ(form.windowTitle(), "KTX-7593AP : 127.0.0.3");
    EXPECT_EQ(DefaultSNMPDevice.Address, "127.0.0.3");
    EXPECT_EQ(DefaultSNMPDevice.Port, 1161);
    EXPECT_EQ(DefaultSNMPSecurity.Version, 1);
    EXPECT_EQ(DefaultSNMPSecurity.ReadCommunity, "read");
    EXPECT_EQ(form.AgentAddress, "127.0.0.3");
    EXPECT_EQ(form.VersionText, "1");
    EXPECT_FALSE(ApplicationTerminated());
    EXPECT_TRUE(form.Timer1->Enabled());
    EXPECT_TRUE(form.Timer4->Enabled());
    EXPECT_FALSE(form.Timer2->Enabled());
    EXPECT_FALSE(form.Timer3->Enabled());
    EXPECT_EQ(form.Timer1->Interval(), 3000);
    EXPECT_EQ(form.Timer2->Interval(), 500);
    EXPECT_EQ(form.Timer3->Interval(), 100);
    EXPECT_EQ(form.Timer4->Interval(), 2000);
    EXPECT_TRUE(std::filesystem::exists(dir.File("NxSNMP_PP_BootCounter")));
}

TEST_F(MainWindow, LayoutOfThePictureLampsAndMenu) {
    TMainForm form;
    Start(form, {"/I127.0.0.4"});
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.centralWidget()->size(), QSize(408, 94 + form.MainStatusBar->height()));
    EXPECT_EQ(form.Image1->geometry(), QRect(0, 0, 408, 94));
    EXPECT_EQ(form.MainStatusBar->geometry().top(), 94);
    EXPECT_EQ(form.MainStatusBar->PanelCount(), 1);
    EXPECT_EQ(form.Sh_11g->geometry(), QRect(183, 53, 9, 9));
    EXPECT_EQ(form.Sh_11a->geometry(), QRect(209, 53, 9, 9));
    EXPECT_EQ(form.Sh_Lan->geometry(), QRect(236, 53, 9, 9));
    EXPECT_EQ(form.Sh_power->geometry(), QRect(262, 53, 9, 9));
    for (QWidget* hidden : std::vector<QWidget*>{form.IPAddressEdit, form.SubMaskEdit, form.Edt_LBSSupport,
                                                 form.Cb_DhcpSupport, form.CB_Active, form.CB_Discard})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);

    QStringList titles;
    for (QAction* action : form.MainMenu1->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"Home", "Basic", "Advanced", "Tool", "Status", "Configuration", "System",
                                   "Help"}));
    for (QAction* action : form.MainMenu1->actions()) // none pushed into the overflow button
        EXPECT_LE(form.MainMenu1->actionGeometry(action).right(), form.MainMenu1->width())
            << action->text().toStdString();

    // The picture shows under the lamps, which start black.
    const QImage shot = form.centralWidget()->grab().toImage();
    if (const char* file = std::getenv("KTX_SNAPSHOT"))
        form.grab().save(file);
    EXPECT_EQ(shot.pixelColor(187, 57), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(100, 20), shot.pixelColor(300, 80)) << "the picture is drawn";
}

TEST_F(MainWindow, DhcpServerItemFollowsTheSupportFlag) {
    TMainForm form;
    Start(form, {"/I127.0.0.5"});
    form.Advanced1Click(form.Advanced1);
    EXPECT_FALSE(form.DHCPServer1->isVisible());
    form.DhcpSupport = true;
    emit form.Advanced1->aboutToShow();
    EXPECT_TRUE(form.DHCPServer1->isVisible());
}

TEST_F(MainWindow, WithoutParametersTheModuleRefusesToRun) {
    TMainForm form;
    Start(form, {});
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, "");
    EXPECT_EQ(boxes.Boxes[0].Text, "This module is only used in the Orbisk or HP-Openview.");
    EXPECT_TRUE(ApplicationTerminated());
    EXPECT_FALSE(form.Timer4->Enabled());
    EXPECT_FALSE(form.Timer1->Enabled());
    EXPECT_EQ(form.windowTitle(), "KTX-7593AP");
}

TEST_F(MainWindow, ASecondInstanceForTheSameDeviceEnds) {
    CreateMutexA(nullptr, true, "KTX-7593AP : 127.0.0.6");
    TMainForm form;
    Start(form, {"/I127.0.0.6"});
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Warning");
    EXPECT_EQ(boxes.Boxes[0].Text, "Another KTX7593AP module is running!");
    EXPECT_EQ(boxes.Boxes[0].Buttons, MB_OK);
    EXPECT_TRUE(ApplicationTerminated());
    EXPECT_FALSE(form.Timer4->Enabled());
    EXPECT_FALSE(form.Timer1->Enabled());
}

TEST_F(MainWindow, WithoutAnAddressTheCaptionEndsInTheSeparator) {
    TMainForm form;
    Start(form, {"/Rpublic"});
    EXPECT_EQ(form.windowTitle(), "KTX-7593AP : ");
    EXPECT_EQ(DefaultSNMPDevice.Address, "127.0.0.1");
}

TEST_F(MainWindow, LampPollOutcome) {
    TMainForm form;
    NxSNMPError ok;
    form.ShowLedStatus(ok, "21");
    EXPECT_EQ(form.Panel0Text(), "Ready. ");
    EXPECT_EQ(form.Sh_power->BrushColor(), Lamp::OnColor());
    EXPECT_EQ(form.Sh_Lan->BrushColor(), Lamp::OnColor());
    EXPECT_EQ(form.Sh_11g->BrushColor(), Lamp::OnColor());
    EXPECT_TRUE(form.Sh_11a->IsOff());
    EXPECT_TRUE(form.Timer2->Enabled());
    EXPECT_TRUE(form.Timer3->Enabled());

    NxSNMPError failed;
    failed.Code = -405;
    failed.Message = "(SNMP++) SNMP request timed out";
    form.ShowLedStatus(failed, "21");
    EXPECT_EQ(form.Panel0Text(), failed.Message);
    for (Lamp* lamp : {form.Sh_power, form.Sh_Lan, form.Sh_11g, form.Sh_11a})
        EXPECT_TRUE(lamp->IsOff());
    EXPECT_FALSE(form.Timer2->Enabled());
    EXPECT_FALSE(form.Timer3->Enabled());

    form.ShowLedStatus(ok, "not a number");
    EXPECT_EQ(form.Panel0Text(), "Ready. ");
    for (Lamp* lamp : {form.Sh_power, form.Sh_Lan, form.Sh_11g, form.Sh_11a})
        EXPECT_TRUE(lamp->IsOff());
}

TEST_F(MainWindow, PowerBlinksOnTheSlowTimerAndLanOnTheFastOne) {
    TMainForm form;
    form.ShowLedStatus(NxSNMPError{}, "15"); // power and LAN on and blinking
    form.Timer3Timer(form.Timer3);
    EXPECT_EQ(form.Sh_power->BrushColor(), Lamp::OnColor());
    EXPECT_TRUE(form.Sh_Lan->IsOff());
    form.Timer2Timer(form.Timer2);
    EXPECT_TRUE(form.Sh_power->IsOff());
    EXPECT_TRUE(form.Sh_Lan->IsOff());
    form.Timer2Timer(form.Timer2);
    EXPECT_EQ(form.Sh_power->BrushColor(), Lamp::OnColor());

    form.ShowLedStatus(NxSNMPError{}, "160"); // 802.11g and 802.11a blink while off
    form.Timer2Timer(form.Timer2);
    EXPECT_EQ(form.Sh_11g->BrushColor(), Lamp::OnColor());
    EXPECT_EQ(form.Sh_11a->BrushColor(), Lamp::OnColor());
    form.Timer3Timer(form.Timer3);
    EXPECT_EQ(form.Sh_11g->BrushColor(), Lamp::OnColor());
}

TEST_F(MainWindow, EachSaveAndActivateGetsAFreshWaitingDialog) {
    TMainForm form;
    form.OnSaveActivateDone(nullptr, nullptr);
    EXPECT_EQ(form.FM_Waiting, nullptr) << "no wait was asked for";

    form.cfSaveandActivate1Click(form.cfSaveandActivate1);
    EXPECT_TRUE(boxes.Boxes.empty()) << "no question before saving";
    EXPECT_TRUE(form.WaitAfterSet);
    form.OnSaveActivateDone(nullptr, nullptr);
    QPointer<TFM_Waiting> first = form.FM_Waiting;
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(form.isEnabled());
    EXPECT_FALSE(form.WaitAfterSet);

    form.cfSaveandActivate1Click(form.cfSaveandActivate1);
    form.OnSaveActivateDone(nullptr, nullptr);
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(form.FM_Waiting, nullptr);
    EXPECT_TRUE(form.FM_Waiting->isVisible());

    form.FM_Waiting->FormClose();
    EXPECT_TRUE(form.isEnabled()) << "the dialog gives the main window back";
}

TEST_F(MainWindow, DiscardAsksFirstAndNeverWaits) {
    TMainForm form;
    boxes.Answer(IDCANCEL);
    form.cfDiscardChanges1Click(form.cfDiscardChanges1);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Warning");
    EXPECT_EQ(boxes.Boxes[0].Text, "All of your changes will be discarded! continue?");
    EXPECT_EQ(boxes.Boxes[0].Buttons, MB_OKCANCEL);

    form.cfDiscardChanges1Click(form.cfDiscardChanges1);
    EXPECT_FALSE(form.WaitAfterSet);
    form.OnSaveActivateDone(nullptr, nullptr);
    EXPECT_EQ(form.FM_Waiting, nullptr);
}

} // namespace
