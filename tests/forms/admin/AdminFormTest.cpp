// The administrator form against the simulated device: the order of its writes, the probes that
// hide what the device lacks, the range list and the checks before anything is written.
#include "app/mib/FreeRowTable.h"
#include "forms/admin/Admin.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string A = "1.3.6.1.4.1.48113.11.37.4.4.1.";
const std::string kLimit = A + "1.0", kSingle = A + "2.1.2.", kUser = A + "3.0", kPassword = A + "4.0";
const std::string kTelnet = A + "5.1.0", kSsh = A + "5.2.0", kTimeout = A + "5.3.0";
const std::string kTrapIp = A + "6.4.0", kNotify = A + "6.5.0", kVlanId = A + "8.";
const std::string kPing = A + "9.1.0", kWlan = A + "9.2.0", kRanges = A + "10";
const std::string kFirmware = "1.3.6.1.4.1.48113.11.37.4.1.4.0";

class AdminFormTest : public FormTestOf<TFM_Admin> {
  protected:
    void Open() {
        form.reset();
        Device->Sim().ClearLog();
        form = std::make_unique<TFM_Admin>();
        ASSERT_TRUE(ShowActive(*form));
        ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow(); }));
        EXPECT_TRUE(Device->Received("SET").empty()) << "no SET while the form opens";
        ClearSeen();
    }
    void Click(QPushButton* button) {
        form->StatusBar->SetSimpleText("");
        Apply(button);
        ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow(); })); // the lists read again
        QCoreApplication::sendPostedEvents();                     // an Add that waited for them
        ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow(); }));
    }
    // The SET PDUs, OIDs under the administrator group shortened to what follows it.
    std::vector<std::vector<std::string>> Sets() const { return SetPdus(A); }
    void Preview(const char* name) { EXPECT_TRUE(SaveFormPicture(*form, name)); }
};

using Pdus = std::vector<std::vector<std::string>>;
const std::vector<std::string> kLogin{"3.0=admin", "4.0=password"};
const std::vector<std::string> kTrap{"6.4.0=192.168.1.200", "6.5.0=1"};

TEST_F(AdminFormTest, ApplyWithoutChangesWritesEveryGroupInOrderAndTelnetToSshPassesThroughOff) {
    Open();
    Preview("admin-ranges");
    EXPECT_EQ(form->Ed_OPwd->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(form->RB_Telnet->isChecked());
    Click(form->OK);
    EXPECT_EQ(Sets(), (Pdus{kLogin, {"1.0=0"}, {"8.1.0=0", "8.2.0=1"}, kTrap, {"9.1.0=1"}, {"9.2.0=1"}}));
    EXPECT_EQ(Status(), "Setting Success!");

    form->RB_SHH->setChecked(true);
    Click(form->OK);
    const Pdus sets = Sets();
    ASSERT_EQ(sets.size(), 8u);
    EXPECT_EQ(sets[0], (std::vector<std::string>{"5.1.0=0", "5.3.0=2", "5.2.0=0"}));
    EXPECT_EQ(sets[5], (std::vector<std::string>{"5.1.0=0", "5.3.0=2", "5.2.0=1"}));
}

TEST_F(AdminFormTest, RefusedLoginWriteStopsTheChainAndKeepsThePresentPassword) {
    Open();
    form->Ed_NPwd->SetText("secret1");
    form->Ed_CNP->SetText("secret1");
    Device->Sim().Command("fail " + kPassword + " noAccess");
    Click(form->OK);
    // The refused login only: the console is unchanged.
    EXPECT_EQ(Sets().size(), 1u);
    EXPECT_EQ(Status(), "Setting Error!");

    // The old password the user typed is still the right one.
    Device->Sim().Command("unfail " + kPassword);
    Click(form->OK);
    EXPECT_EQ(Box(), "");
    EXPECT_EQ(Sets()[0], (std::vector<std::string>{"3.0=admin", "4.0=secret1"}));
    EXPECT_EQ(Status(), "Setting Success!");
}

TEST_F(AdminFormTest, AChainStoppedAfterTheConsoleOffWriteWritesTheConsoleBack) {
    struct Case {
        const char* failed; // the object refused after the off-write
        const char* status;
    };
    const Case cases[] = {
        {"4.0", "Setting Error! Telnet and SSH were set back as they were."}, // login
        {"1.0", "Setting Error! Telnet and SSH were set back as they were."}, // limit status
        {"9.1.0", "Setting Error!"}, // after the console's own write: its new values stand
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failed);
        Device->Sim().Command("set " + kTelnet + " 1");
        Device->Sim().Command("set " + kSsh + " 0");
        Open();
        ASSERT_TRUE(form->RB_Telnet->isChecked());
        form->RB_SHH->setChecked(true);
        Device->Sim().Command("fail " + A + c.failed + " genErr");
        Click(form->OK);
        Device->Sim().Command("unfail " + A + c.failed);
        EXPECT_EQ(Status(), c.status);
        const Pdus sets = Sets();
        ASSERT_FALSE(sets.empty());
        EXPECT_EQ(sets.front(), (std::vector<std::string>{"5.1.0=0", "5.3.0=2", "5.2.0=0"}));
        const bool back = std::string(c.status) != "Setting Error!";
        if (back) {
            EXPECT_EQ(sets.back(), (std::vector<std::string>{"5.1.0=1", "5.3.0=2", "5.2.0=0"}));
        }
        EXPECT_EQ(Device->Sim().Command("get " + kTelnet), back ? "value integer 1\n" : "value integer 0\n");
        EXPECT_EQ(Device->Sim().Command("get " + kSsh), back ? "value integer 0\n" : "value integer 1\n");
        // The user's choice stays for the next OK.
        EXPECT_TRUE(form->RB_SHH->isChecked());
        EXPECT_EQ(form->CB_SHH->GetItemIndex(), 1);
        form.reset();
    }
}

// An untouched OK leaves the device as it was (a telnet value no list offers, refused reads: no
// protocol shown); a console write whose answer is lost leaves the console unknown on the line.
TEST_F(AdminFormTest, AnOkClaimsOnlyWhatTheDeviceTookAndAnUntouchedOneChangesNothing) {
    const std::string all = A.substr(0, A.size() - 1),
                      lost = "Setting Error! The device did not answer; Telnet and "
                             "SSH on the device are unknown.";
    const struct {
        std::string command, undo, status;
        int lostAt;       // the console SET from which answers are lost; 0: none, nothing changed
        const char* held; // telnet and SSH afterwards; empty: as before
    } cases[] = {{"", "", "Setting Success!", 0, ""},
                 {"set " + kTelnet + " 5", "", "Cannot be shown, so not written: Console.", 0, ""},
                 {"fail " + A + "5 genErr", "unfail " + A + "5", "Not read, so not written: Console.", 0, ""},
                 {"fail " + all + " genErr", "unfail " + all,
                  "Not read, so not written: Login, Limit Administrator IP, SNMP, Console.", 0, ""},
                 {"", "", lost, 1, "value integer 0\nvalue integer 0\n"},
                 {"", "", lost, 2, "value integer 0\nvalue integer 1\n"}};
    const auto values = [this] {
        std::string text;
        for (const std::string& oid :
             {kLimit, kUser, kPassword, kTelnet, kSsh, kTimeout, kTrapIp, kNotify, kPing, kWlan})
            text += Device->Sim().Command("get " + oid);
        return text;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command + c.status);
        Device->Sim().Command("set " + kTelnet + " 1");
        Device->Sim().Command("set " + kSsh + " 0");
        Device->Sim().Command(c.command.empty() ? "drop 0" : c.command);
        const std::string before = values();
        Open();
        Device->Sim().Command(c.undo.empty() ? "drop 0" : c.undo);
        EXPECT_EQ(form->RB_Telnet->isChecked(), c.status == "Setting Success!" || c.lostAt > 0);
        EXPECT_FALSE(form->RB_None->isChecked() || form->RB_SHH->isChecked());
        int consoleSets = 0;
        form->ConsoleRequest->OnBeforeSet = [&] {
            if (++consoleSets == c.lostAt)
                Device->Sim().Command("drop 1000");
        };
        if (c.lostAt > 0)
            form->RB_SHH->setChecked(true);
        Click(form->OK);
        Device->Sim().Command("drop 0");
        EXPECT_EQ(Status(), c.status);
        if (c.lostAt == 0)
            EXPECT_EQ(values(), before);
        else
            EXPECT_EQ(Device->Sim().Command("get " + kTelnet) + Device->Sim().Command("get " + kSsh), c.held);
        form->Ed_OPwd->SetText("wrong");
        form->OK->click();
        EXPECT_NE(Status(), c.status) << "an earlier OK's text is not this one's";
    }
}

TEST_F(AdminFormTest, ChecksRefuseBeforeAnyWrite) {
    struct Case {
        const char* user;
        bool limitVid;
        const char* vid;
        const char* box;
    };
    const Case cases[] = {
        {"a b", false, "1", "Warning: Invaild UserName!"},
        {"", true, "4095", "Error: The VLAN ID is invalid. The range of VLAN ID is 1 to 4094."},
        {"admin", true, "7", "Warning: Please enable Multi-SSID and VLAN first!"},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        form->CB_LimitVID->SetChecked(c.limitVid);
        form->Ed_Usr->SetText(c.user);
        form->Ed_Vid->SetText(c.vid);
        Click(form->OK);
        EXPECT_EQ(Box(), c.box);
        EXPECT_TRUE(Sets().empty());
    }
}

TEST_F(AdminFormTest, RangesAreAddedIntoTheFirstFreeRowRefusedWithTheirTextsAndDeleted) {
    Open();
    form->CkBx_ManagerState->SetChecked(true);
    struct Case {
        const char* from;
        const char* to;
        const char* box;
    };
    const Case refused[] = {
        {"192.168.1.10", "192.168.2.5",
         "Warning: The Two IP address is not in the same subnet,Please check..."},
        {"192.168.1.30", "192.168.1.25", "Warning: The IP range is not right,Please check...!"},
        {"192.168.1.10", "192.168.1.20", "Warning: The same IP range has been added"},
        {"192.168.1.0", "192.168.1.20", "Waring: Please input valid IP address"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.box);
        form->Ed_FromIP->SetText(c.from);
        form->Ed_ToIP->SetText(c.to);
        Click(form->Btn_Add);
        EXPECT_EQ(Box(), c.box);
        EXPECT_TRUE(Sets().empty());
    }
    for (int n = 2; n <= 4; ++n) {
        form->Ed_FromIP->SetText("10.0.0." + std::to_string(n));
        form->Ed_ToIP->SetText("10.0.0.9" + std::to_string(n));
        Click(form->Btn_Add);
        EXPECT_EQ(Sets(), (Pdus{{"10.1.2." + std::to_string(n) + "=10.0.0." + std::to_string(n),
                                 "10.1.3." + std::to_string(n) + "=10.0.0.9" + std::to_string(n)}}));
        EXPECT_EQ(Status(), "Set OK!");
    }
    EXPECT_EQ(form->ListView_User->ItemCount(), 4);
    form->Ed_FromIP->SetText("10.0.0.5");
    form->Ed_ToIP->SetText("10.0.0.6");
    Click(form->Btn_Add);
    EXPECT_EQ(Box(), "Waring: Maximum number of IP Range List is 4!");
    EXPECT_TRUE(Sets().empty());

    form->ListView_User->SetItemIndex(0);
    ASSERT_TRUE(form->Btn_Del->isEnabled());
    Click(form->Btn_Del);
    EXPECT_EQ(Sets(), (Pdus{{"10.1.2.1=0.0.0.0", "10.1.3.1=0.0.0.0"}}));
    EXPECT_EQ(Status(), "Delete OK!");
    EXPECT_EQ(form->ListView_User->ItemCount(), 3);
    EXPECT_EQ(form->ListView_User->ItemCaption(0), "1");
}

TEST_F(AdminFormTest, ARefusedRangeWriteLeavesTheListsToBeReadAgain) {
    Open();
    form->CkBx_ManagerState->SetChecked(true);
    ASSERT_EQ(form->ListView_User->ItemCount(), 1);
    Device->Sim().Command("fail " + kRanges + " genErr");
    form->Ed_FromIP->SetText("10.0.0.2");
    form->Ed_ToIP->SetText("10.0.0.3");
    Click(form->Btn_Add);
    EXPECT_EQ(Status(), "Setting Error!");
    Device->Sim().Command("unfail " + kRanges);
    // The device answers again: the next Add reads the lists, then writes into the free row.
    Click(form->Btn_Add);
    EXPECT_EQ(Box(), "");
    EXPECT_EQ(Sets(), (Pdus{{"10.1.2.2=10.0.0.2", "10.1.3.2=10.0.0.3"}}));
    EXPECT_EQ(Status(), "Set OK!");
    EXPECT_EQ(form->ListView_User->ItemCount(), 2);

    // Still refused: nothing written, no "full" table, the read's failure shown.
    Device->Sim().Command("fail " + kRanges + " genErr");
    form->Ed_FromIP->SetText("10.0.0.5");
    form->Ed_ToIP->SetText("10.0.0.6");
    Click(form->Btn_Add);
    Click(form->Btn_Add);
    EXPECT_EQ(Box(), "");
    EXPECT_TRUE(Sets().empty());
    EXPECT_NE(Status(), "");
    EXPECT_NE(Status(), "Set OK!");
}

TEST_F(AdminFormTest, GroupsNotReadAtOpeningAreNamedAndNeverWritten) {
    struct Case {
        std::string failed;
        std::vector<std::string> unwritten; // SET prefixes (under the administrator group)
        const char* status;
    };
    const Case cases[] = {
        {kUser, {"3.", "4."}, "Not read, so not written: Login."},
        {kLimit, {"1."}, "Not read, so not written: Limit Administrator IP."},
        {A + "5", {"5."}, "Not read, so not written: Console."},
        {A.substr(0, A.size() - 1),
         {""},
         "Not read, so not written: Login, Limit Administrator IP, SNMP, Console."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failed);
        Device->Sim().Command("fail " + c.failed + " genErr");
        Open();
        Device->Sim().Command("unfail " + c.failed);
        Click(form->OK);
        EXPECT_EQ(Box(), "");
        for (const auto& pdu : Sets())
            for (const std::string& binding : pdu)
                for (const std::string& prefix : c.unwritten)
                    EXPECT_NE(binding.rfind(prefix, 0), 0u) << binding;
        EXPECT_EQ(Status(), c.status);
        form.reset();
    }
}

class AdminShortTableTest : public AdminFormTest {
  protected:
    DevSimOptions Options() override {
        return DeviceArgs({"--omit", kRanges + ".1.1.3", "--omit", kRanges + ".1.2.3", "--omit",
                           kRanges + ".1.3.3", "--omit", kRanges + ".1.1.4", "--omit", kRanges + ".1.2.4",
                           "--omit", kRanges + ".1.3.4"});
    }
};

TEST_F(AdminShortTableTest, FullTableIsRefusedAndAnEmptyListSwitchesTheLimitOff) {
    Open();
    form->CkBx_ManagerState->SetChecked(true);
    form->Ed_FromIP->SetText("10.0.0.2");
    form->Ed_ToIP->SetText("10.0.0.3");
    Click(form->Btn_Add);
    ASSERT_EQ(form->ListView_User->ItemCount(), 2);
    form->Ed_FromIP->SetText("10.0.0.5");
    form->Ed_ToIP->SetText("10.0.0.6");
    Click(form->Btn_Add);
    EXPECT_EQ(Box(), std::string("Warning: ") + kTableFullText);
    EXPECT_TRUE(Sets().empty());

    for (int i = 0; i < 2; ++i) {
        form->ListView_User->SetItemIndex(0);
        Click(form->Btn_Del);
    }
    Click(form->OK);
    EXPECT_EQ(Box(),
              "Warning: The IP Range List is empty.\nThe Limit Administrator IP function will be disabled!!");
    EXPECT_EQ(Sets(), (Pdus{{"1.0=0"}}));
    EXPECT_EQ(Status(), "Set OK!");
}

class AdminSingleAddressTest : public AdminFormTest {
  protected:
    TempDir Data;
    DevSimOptions Options() override {
        DevSimOptions options;
        options.dataFile = DataWithProfiles(Data.Path(), {"admin-single-addresses.txt"});
        options.extraArgs = {"--omit", kRanges,  "--omit",          A + "9",  "--omit",
                             A + "8",  "--fail", kUser + "=genErr", "--fail", kTelnet + "=genErr"};
        return options;
    }
};

TEST_F(AdminSingleAddressTest, SingleAddressesAreWrittenAndUnreadLoginAndConsoleAreNot) {
    Device->Sim().Command("set " + kFirmware + " v3.20");
    Open();
    Preview("admin-single-addresses");
    EXPECT_TRUE(form->Ed_IP1->isVisibleTo(form.get()));
    for (QWidget* w : std::vector<QWidget*>{form->ListView_User, form->Btn_Add, form->GroupBox4,
                                            form->RG_PingSet, form->CB_AdminWlan, form->CB_LimitVID})
        EXPECT_FALSE(w->isVisibleTo(form.get())) << w->objectName().toStdString();
    EXPECT_EQ(form->Ed_IP1->Text(), "192.168.1.5");
    EXPECT_EQ(form->Ed_IP2->Text(), "");

    form->CkBx_ManagerState->SetChecked(true);
    Click(form->OK);
    EXPECT_EQ(Sets(), (Pdus{{"1.0=1"}, {"2.1.2.1=192.168.1.5", "2.1.2.2=0.0.0.0"}}));
    EXPECT_EQ(form->Ed_IP2->Text(), "");
    Click(form->OK);
    EXPECT_EQ(Box(), "");

    // A later check refuses: the empty address is empty again, and the next OK goes through.
    form->Ed_OPwd->SetText("wrong");
    Click(form->OK);
    EXPECT_EQ(Box(), "Warning: Old password is wrong!Please input again");
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(form->Ed_IP2->Text(), "");
    form->Ed_OPwd->SetText("");
    Click(form->OK);
    EXPECT_EQ(Box(), "");
    EXPECT_EQ(Sets(), (Pdus{{"1.0=1"}, {"2.1.2.1=192.168.1.5", "2.1.2.2=0.0.0.0"}}));
}

class AdminNoAddressListTest : public AdminFormTest {
  protected:
    DevSimOptions Options() override { return DeviceArgs({"--omit", kRanges, "--omit", A + "2"}); }
};

TEST_F(AdminNoAddressListTest, HiddenSingleAddressesAreNeitherCheckedNorWritten) {
    Open();
    EXPECT_FALSE(form->Ed_IP1->isVisibleTo(form.get()));
    EXPECT_FALSE(form->ListView_User->isVisibleTo(form.get()));
    form->CkBx_ManagerState->SetChecked(true);
    Click(form->OK);
    EXPECT_EQ(Box(), "");
    for (const auto& pdu : Sets())
        for (const std::string& binding : pdu)
            EXPECT_NE(binding.rfind("2.", 0), 0u) << binding;
    EXPECT_EQ(Status(), "Setting Success!");
}

TEST_F(AdminFormTest, TrapGroupFollowsTheFirmwareVersionAndHiddenGroupsLeaveNoGap) {
    Open();
    const int fullHeight = form->height();
    form.reset();
    Device->Sim().Command("set " + kFirmware + " v3.20");
    Open();
    EXPECT_FALSE(form->GroupBox4->isVisibleTo(form.get()));
    EXPECT_EQ(form->height(), fullHeight - form->GroupBox4->sizeHint().height() - form->layout()->spacing());
    form.reset();
    Device->Sim().Command("set " + kFirmware + " v3.30");
    Open();
    EXPECT_TRUE(form->GroupBox4->isVisibleTo(form.get()));
}

// The used-range list walks the range table again; after a refused first walk it is left unread.
TEST_F(AdminFormTest, UsedRangesAreNotReadWhenTheRangeProbeFailed) {
    Device->Sim().Command("fail " + kRanges + " genErr");
    Device->Sim().ClearLog();
    form = std::make_unique<TFM_Admin>();
    ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow(); }));
    std::set<int> walks;
    for (const auto& line : Device->Received("GETNEXT"))
        if (line.oid.rfind(kRanges, 0) == 0)
            walks.insert(line.pduNumber);
    EXPECT_EQ(walks.size(), 1u);
    EXPECT_FALSE(form->ListView_User->isVisibleTo(form.get()));
    EXPECT_EQ(form->ListView_User->ItemCount(), 0);
}

// Answers that do not fit (a walk past the table's size, a probe answered with another type): the
// bundled data with a line's text replaced.
class AdminOddAnswerTest : public AdminFormTest,
                           public testing::WithParamInterface<std::pair<std::string, std::string>> {
  protected:
    TempDir Data;
    DevSimOptions Options() override {
        DevSimOptions options;
        options.dataFile = DataWithProfiles(Data.Path(), {});
        std::ifstream in(options.dataFile + "/admin.txt");
        std::string lines{std::istreambuf_iterator<char>(in), {}};
        lines.replace(lines.find(GetParam().first), GetParam().first.size(), GetParam().second);
        std::ofstream(options.dataFile + "/admin.txt") << lines;
        return options;
    }
};

// The failure hides its group and stays in view over an untouched Apply's success.
TEST_P(AdminOddAnswerTest, AnAnswerThatDoesNotFitHidesItsGroupAndStaysShown) {
    Open();
    const std::string failure = Status();
    EXPECT_NE(failure, "");
    EXPECT_FALSE(form->CB_AdminWlan->isVisibleTo(form.get()) && form->ListView_User->isVisibleTo(form.get()));
    Click(form->OK);
    EXPECT_FALSE(Sets().empty());
    EXPECT_EQ(Status(), failure);
}

INSTANTIATE_TEST_SUITE_P(Admin, AdminOddAnswerTest,
                         testing::Values(std::pair{std::string("  # ID"),
                                                   "\n" + kRanges + ".1.1.5 integer ro 5\n" + kRanges +
                                                       ".1.2.5 ipaddress rw 0.0.0.0\n" + kRanges +
                                                       ".1.3.5 ipaddress rw 0.0.0.0"},
                                         std::pair{kWlan + " integer", kWlan + " displaystr"}));

} // namespace

// With every answer late, the opening returns with the login, VLAN state, range, limit and trap
// reads still out, and fills them as they come, never over what the user typed meanwhile; the used
// ranges wait the default time-out. An Apply meanwhile writes nothing and says so.
TEST_F(AdminFormTest, OpeningSendsItsReadsWithCallbacksAndShowsBeforeTheyEnd) {
    Device->Sim().Command("delay 300");
    form = std::make_unique<TFM_Admin>();
    for (NxSNMPRequest2Controls* request :
         {form->LoginRequest.get(), form->VlanStateRequest.get(), form->RangeRequest.get(),
          form->LimitRequest.get(), form->TrapRequest.get()}) {
        ASSERT_NE(request, nullptr);
        EXPECT_EQ(request->Mode, NxSNMPRequest2Controls::ModeCallback);
        EXPECT_EQ(request->Busy, 1);
    }
    EXPECT_EQ(form->Ed_Usr->Text(), "");
    EXPECT_EQ(form->UsedRangeRequest->Request.TimeOut, DefaultSNMPTimeout);
    for (TEdit* e : {form->Ed_Usr, form->Ed_NPwd, form->Ed_CNP})
        QTest::keyClicks(e, "typed");
    form->OKClick(form->OK); // the button itself rests while the ranges are walked
    EXPECT_EQ(Status(), TSettingsForm::kStillReading);
    ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow(); }, 30000));
    EXPECT_EQ(form->Ed_Usr->Text(), "typed");
    EXPECT_EQ(form->Ed_OPwd->Text(), "password");
    EXPECT_EQ(form->ListView_User->ItemCount(), 1);
    EXPECT_TRUE(form->ListView_User->isVisibleTo(form.get()));
    EXPECT_EQ(form->Ed_TrapServIP->Text(), "192.168.1.200");
    Device->Sim().Command("delay 0");
    Click(form->OK);
    EXPECT_EQ(Sets()[0], (std::vector<std::string>{"3.0=typed", "4.0=typed"}));
}
