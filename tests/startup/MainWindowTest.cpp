#include "app/forms/Application.h"
#include "app/forms/Wait.h"
#include "app/program/Lamp.h"
#include "app/program/Main.h"
#include "app/program/MenuHandlers.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/MessageRecorder.h"
#include "platform/NamedMutex.h"
#include "platform/ParamStr.h"
#include "platform/ProgramFolder.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "tests/support/DevSim.h"
#include "tests/support/FormPicture.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QThread>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <netdb.h>
#include <sys/stat.h>
#include <unistd.h>

// Every host name look-up of the process is counted, then done as usual.
namespace {
std::map<std::string, int> Lookups;
}
extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints, addrinfo** found) {
    using Real = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "getaddrinfo"));
    if (node)
        ++Lookups[node];
    return real(node, service, hints, found);
}

namespace {

// Each case runs start-up in a scratch folder: the session keeps its boot counter in the working
// folder and the single-instance locks live in it too. The device answers, so start-up's
// reads end at once.
class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
        // A scratch account without a home: its locks live in the scratch folder.
        const LockAccount account{"", dir.Path()};
        SetLockAccount(&account);
        setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1);
        setenv("KTX_REGISTRY_FILE", dir.File("registry.ini").c_str(), 1);
        dir.Write("registry.ini", "[SOFTWARE\\Quenvar\\Orbisk5.1\\MibFile]\nPath=" + dir.Path() + "/\n");
        DevSimOptions options;
        options.restartSeconds = 0.3;
        sim = std::make_unique<DevSim>(options);
        Cfg("127.0.0.1", "Version=1\n");
    }
    void Cfg(const std::string& address, const std::string& lines) {
        dir.Write(address + ".cfg",
                  "[Program Information]\nAgentPort=" + std::to_string(sim->Port()) + "\n" + lines);
    }
    bool Pump(const std::function<bool()>& done, int millis) {
        for (int waited = 0; !done(); waited += 10) {
            if (waited > millis)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(10);
        }
        return true;
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        unsetenv("KTX_REGISTRY_FILE");
        unsetenv("XDG_DATA_HOME");
        SetLockAccount(nullptr);
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
    std::unique_ptr<DevSim> sim;
};

TEST_F(MainWindow, StartsForOneDevice) {
    TMainForm form;
    Start(form, {"/I127.0.0.1", "/Rpublic"});
    EXPECT_TRUE(boxes.Boxes.empty());
    EXPECT_EQ(form.windowTitle(), "KTX-7593AP : 127.0.0.1");
    EXPECT_EQ(DefaultSNMPDevice.Address, "127.0.0.1");
    EXPECT_EQ(DefaultSNMPDevice.Port, sim->Port());
    EXPECT_EQ(DefaultSNMPSecurity.Version, 1);
    EXPECT_EQ(DefaultSNMPSecurity.ReadCommunity, "public");
    EXPECT_EQ(form.AgentAddress, "127.0.0.1");
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
    // The boot counter is kept in the program folder, not in the folder the host started us in.
    EXPECT_FALSE(std::filesystem::exists(dir.File("NxSNMP_PP_BootCounter")));
    EXPECT_TRUE(std::filesystem::exists(ProgramFolder() + "NxSNMP_PP_BootCounter"));
}

TEST_F(MainWindow, LayoutOfThePictureLampsAndMenu) {
    TMainForm form;
    Start(form, {"/I127.0.0.1", "/Rpublic"});
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

    // The picture shows under the lamps, which are drawn in their colours.
    const QImage shot = form.centralWidget()->grab().toImage();
    EXPECT_TRUE(SaveFormPicture(form, "main-window"));
    for (Lamp* lamp : {form.Sh_11g, form.Sh_11a, form.Sh_Lan, form.Sh_power})
        EXPECT_EQ(shot.pixelColor(lamp->geometry().center()), lamp->BrushColor())
            << lamp->objectName().toStdString();
    EXPECT_NE(shot.pixelColor(100, 20), shot.pixelColor(300, 80)) << "the picture is drawn";
}

TEST_F(MainWindow, DhcpServerItemFollowsTheSupportFlag) {
    TMainForm form;
    Start(form, {"/I127.0.0.1", "/Rpublic"});
    EXPECT_TRUE(form.DhcpSupport) << "the device answered the probe";
    form.DhcpSupport = false;
    form.Advanced1Click(form.Advanced1);
    EXPECT_FALSE(form.DHCPServer1->isVisible());
    form.DhcpSupport = true;
    emit form.Advanced1->aboutToShow();
    EXPECT_TRUE(form.DHCPServer1->isVisible());
}

TEST_F(MainWindow, MenuItemsRunWhatTheProgramRegistered) {
    TMainForm form;
    QWidget* openedWith = nullptr;
    SetMenuHandler("bLan1", [&](QWidget* main) { openedWith = main; });
    SetMenuHandler("stViewLog1", [](QWidget*) { throw std::runtime_error("form failed"); });
    auto item = [&](const char* name) { return form.findChild<QAction*>(name); };
    ASSERT_NE(item("bLan1"), nullptr);
    EXPECT_EQ(item("bLan1")->text(), "LAN");
    item("bLan1")->trigger();
    EXPECT_EQ(openedWith, &form);
    MessageRecorder boxes;
    item("stViewLog1")->trigger(); // a failing form is shown and never takes the window down
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Text, "form failed");
    ASSERT_NE(item("stStats1"), nullptr);
    item("stStats1")->trigger(); // nothing registered: nothing happens
    SetMenuHandler("bLan1", {});
    SetMenuHandler("stViewLog1", {});
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

// The caption and the lock name the device by its four decimal numbers, whatever text named it.
TEST_F(MainWindow, OneDeviceHasOneCaption) {
    const char* texts[] = {"127.1", "0127.0.0.001", "127.0.0.1"};
    for (const char* text : texts) {
        Cfg(text, "Version=1\n");
        TMainForm form;
        Start(form, {std::string("/I") + text, "/Rpublic"});
        EXPECT_EQ(form.windowTitle(), "KTX-7593AP : 127.0.0.1") << text;
        EXPECT_EQ(form.AgentAddress, "127.0.0.1");
        EXPECT_EQ(DefaultSNMPDevice.Address, "127.0.0.1");
        EXPECT_EQ(DefaultSNMPDevice.Port, sim->Port()) << "the file keeps the name the host gave";
    }
    // The first holds the lock: the others are second instances of the same device.
    ASSERT_EQ(boxes.Boxes.size(), 2u);
    for (const auto& box : boxes.Boxes)
        EXPECT_EQ(box.Text, "Another KTX7593AP module is running!");
}

// A host name is looked up once, at start-up; one that does not resolve is named on the panel and
// the polls never ask the resolver again.
TEST_F(MainWindow, AHostNameIsResolvedOnce) {
    const char* const cases[][3] = {{"localhost", "127.0.0.1", "Ready. "},
                                    {"bad..name", "", "The device address cannot be resolved: bad..name"}};
    for (const auto& [name, device, panel] : cases) {
        Cfg(name, "Version=1\n");
        TMainForm form;
        const int before = Lookups[name];
        Start(form, {std::string("/I") + name, "/Rpublic"});
        EXPECT_EQ(DefaultSNMPDevice.Address, device);
        for (int poll = 0; poll < 3; ++poll) {
            form.Timer1Timer(form.Timer1);
            form.Timer4Timer(form.Timer4);
            Pump([&] { return !form.LedRequest->Busy; }, 5000);
        }
        EXPECT_EQ(Lookups[name] - before, 1) << name;
        EXPECT_EQ(form.Panel0Text(), panel);
    }
}

// SNMPv3 settings that do not convert, or a configuration file that is there but not read, end the
// start before anything is sent.
TEST_F(MainWindow, UnreadableSnmpv3SecurityEndsTheStart) {
    const std::string setting = "The SNMPv3 security setting is not valid: ";
    const std::string unread = "The file " + dir.File("127.0.0.1.cfg") + " was not read: it is ";
    const std::string authPriv = "Version=3\nSecurityLevel=2\nAuthProtocol=1\nPrivProtocol=1\n";
    const struct {
        std::string File;
        const char* Switch;
        std::string Box;
        bool Fifo = false;
        bool RegistryFifo = false;
    } cases[] = {{"SecurityLevel=authPriv\n", "/Rpublic", setting + "SecurityLevel=authPriv"},
                 {"AuthProtocol=SHA\n", "/Rpublic", setting + "AuthProtocol=SHA"},
                 {"PrivProtocol=AES\n", "/Rpublic", setting + "PrivProtocol=AES"},
                 {"", "/lhigh", setting + "/lhigh"},
                 {authPriv + std::string(1 << 20, ';'), "/Rpublic", unread + "larger than 1048576 bytes."},
                 {"", "/Rpublic", unread + "not a regular file.", true},
                 {authPriv, "/Rpublic",
                  "The file " + dir.File("registry.fifo") + " was not read: it is not a regular file.", false,
                  true}};
    for (const auto& c : cases) {
        boxes.Boxes.clear();
        std::filesystem::remove(dir.File("127.0.0.1.cfg"));
        if (c.Fifo)
            ASSERT_EQ(::mkfifo(dir.File("127.0.0.1.cfg").c_str(), 0600), 0);
        else
            Cfg("127.0.0.1", "Version=3\n" + c.File);
        if (c.RegistryFifo) {
            ASSERT_EQ(::mkfifo(dir.File("registry.fifo").c_str(), 0600), 0);
            setenv("KTX_REGISTRY_FILE", dir.File("registry.fifo").c_str(), 1);
        }
        TMainForm form;
        Start(form, {"/I127.0.0.1", c.Switch});
        setenv("KTX_REGISTRY_FILE", dir.File("registry.ini").c_str(), 1);
        ASSERT_EQ(boxes.Boxes.size(), 1u) << c.Box;
        EXPECT_EQ(boxes.Boxes[0].Caption, "Error");
        EXPECT_EQ(boxes.Boxes[0].Text, c.Box);
        EXPECT_TRUE(ApplicationTerminated());
        EXPECT_FALSE(form.Timer1->Enabled());
    }
    EXPECT_TRUE(sim->Log().empty()) << "no request went out";
}

// A lock file that is not the user's own keeps no instance out: the start ends and names it.
TEST_F(MainWindow, ALockFileOfAnotherAccountEndsTheStart) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand a file to another account";
    const std::string lock = NamedMutexLockPath("KTX-7593AP : 127.0.0.7");
    ASSERT_EQ(std::filesystem::path(lock).parent_path(), dir.Path());
    dir.Write(std::filesystem::path(lock).filename(), "");
    ASSERT_EQ(chown(lock.c_str(), 4321, 4321), 0);
    TMainForm form;
    Start(form, {"/I127.0.0.7"});
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Error");
    EXPECT_EQ(boxes.Boxes[0].Text, "The lock file cannot be used: " + lock);
    EXPECT_TRUE(ApplicationTerminated());
    EXPECT_FALSE(form.Timer1->Enabled());
}

TEST_F(MainWindow, WithoutAnAddressTheCaptionEndsInTheSeparator) {
    Cfg("", "Version=1\n");
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
    failed.Message = "(SNMPClass) SNMP request timed out!";
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
    SetApplicationTitle("KTX-7593AP");
    NxSNMPError refused;
    refused.Code = -405;
    refused.Message = "(SNMPClass) SNMP request timed out!";
    form.OnSaveActivateDone(nullptr, &refused); // a Discard that did not reach the device
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, "KTX-7593AP") << "the library's box carries the application's title";
    boxes.Boxes.clear();

    Start(form, {"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    form.cfSaveandActivate1Click(form.cfSaveandActivate1);
    EXPECT_TRUE(boxes.Boxes.empty()) << "no question before saving";
    EXPECT_TRUE(form.WaitAfterSet);
    ASSERT_TRUE(Pump([&] { return form.FM_Waiting != nullptr; }, 3000));
    QPointer<TFM_Waiting> first = form.FM_Waiting;
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(form.isEnabled());
    EXPECT_FALSE(form.WaitAfterSet);
    first->FormClose();
    EXPECT_TRUE(form.isEnabled()) << "the dialog gives the main window back";

    Pump([] { return false; }, 400); // the device is back from its short restart
    form.cfSaveandActivate1Click(form.cfSaveandActivate1);
    ASSERT_TRUE(Pump([&] { return first.isNull(); }, 3000));
    ASSERT_NE(form.FM_Waiting, nullptr);
    EXPECT_TRUE(form.FM_Waiting->isVisible());
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST_F(MainWindow, DiscardAsksFirstAndNeverWaits) {
    TMainForm form;
    Start(form, {"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    boxes.Answer(IDCANCEL);
    form.cfDiscardChanges1Click(form.cfDiscardChanges1);
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Warning");
    EXPECT_EQ(boxes.Boxes[0].Text, "All of your changes will be discarded! continue?");
    EXPECT_EQ(boxes.Boxes[0].Buttons, MB_OKCANCEL);

    form.cfDiscardChanges1Click(form.cfDiscardChanges1);
    EXPECT_FALSE(form.WaitAfterSet);
    Pump([&] { return form.SaveActivateRequest && form.SaveActivateRequest->Busy == 0; }, 3000);
    EXPECT_EQ(form.FM_Waiting, nullptr);
    EXPECT_EQ(boxes.Boxes.size(), 2u);
}

} // namespace
