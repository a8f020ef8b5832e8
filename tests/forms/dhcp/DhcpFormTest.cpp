// The DHCP server form and its static binding dialog against the simulated device: the pool
// checks, what each write sends, the re-reads after a static-pool change, and closing.
#include "app/forms/Wait.h"
#include "forms/network/Dhcp.h"
#include "forms/network/DhcpShared.h"
#include "forms/network/Staticip.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QAbstractItemModel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kDhcp = "1.3.6.1.4.1.48113.11.37.4.3.7.";
const std::string kFunction = kDhcp + "1.0";
const std::string kPool = kDhcp + "2.";
const std::string kStaticPool = kDhcp + "3.1.1.";
const std::string kDeleteByMac = kDhcp + "3.2.0";

class DhcpFormTest : public FormTestOf<TFM_DHCP> {
  protected:
    void Open(uint32_t walkTimeOut = TFM_DHCP::kTimeOut) {
        Device->Sim().Command("set " + kFunction + " 1"); // the server on
        form = std::make_unique<TFM_DHCP>(nullptr, walkTimeOut);
        ASSERT_TRUE(ShowActive(*form));
        ASSERT_TRUE(PumpUntil([this] { return Idle(); }));
        form->FM_StaticIP->AddressAnswers = [](const std::string&) { return false; };
        ClearSeen();
    }
    bool Idle() const {
        return !form->Busy && !form->UsedRowList->Busy && !form->DynamicLeaseRequest->Busy &&
               !form->StaticLeaseRequest->Busy && !form->SystemAddressRequest->Busy;
    }
    // "OID=value", a MAC as its 12 hex digits.
    std::vector<std::string> Sets() const {
        std::vector<std::string> out;
        for (const auto& line : Device->Received("SET")) {
            std::string value = line.value;
            if (line.type == "octetstr" && value.size() == 6) {
                static const char digits[] = "0123456789ABCDEF";
                value.clear();
                for (unsigned char c : line.value)
                    value += std::string{digits[c >> 4], digits[c & 15]};
            }
            out.push_back(line.oid + "=" + value);
        }
        return out;
    }
    std::vector<int> SetPduSizes() const {
        std::vector<int> sizes;
        int last = -1;
        for (const auto& line : Device->Received("SET")) {
            if (line.pduNumber != last)
                sizes.push_back(0);
            last = line.pduNumber;
            ++sizes.back();
        }
        return sizes;
    }
    // Walks of the static pool: GETNEXTs that start at the bare IP column.
    int StaticPoolWalks() const {
        int n = 0;
        for (const auto& line : Device->Received("GETNEXT"))
            n += line.oid == kStaticPool + "1";
        return n;
    }
    // Runs `act` on the next modal dialog of type T; the watch ends with `scope` at the latest.
    template <class T> static void WhenModal(QObject* scope, std::function<void(T*)> act) {
        auto* poll = new QTimer(scope);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
                dialog && dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(dialog);
            }
        });
        poll->start(20);
    }
    struct Binding {
        const char* ip;
        const char* mac;
    };
    struct DialogSeen {
        std::string caption;
        bool oldIpEnabled = false;
        std::string index;
        int waitCount = 0;
        std::string waitText;
    };
    // Clicks `button`; in the dialog types the binding (fields left null stay), applies, and ends
    // the waiting dialog that follows a write. A refused binding closes the dialog unwritten.
    DialogSeen EditBinding(QPushButton* button, Binding typed) {
        DialogSeen seen;
        QObject scope; // a refused binding brings no waiting dialog: its watch goes with this call
        WhenModal<TFM_StaticIP>(&scope, [&, typed](TFM_StaticIP* d) {
            seen.caption = d->windowTitle().toStdString();
            seen.oldIpEnabled = d->Ed_OldIP->isEnabled();
            seen.index = d->LA_Index->Caption();
            Grab(*d, "dhcp-binding");
            if (typed.ip)
                d->Ed_AsgIP->SetText(typed.ip);
            if (typed.mac)
                d->Ed_AsgMac->SetText(typed.mac);
            if (d->Ed_SubMask->Text() == "0.0.0.0") { // a free row
                d->Ed_SubMask->SetText("255.255.255.0");
                d->Ed_Gatway->SetText("192.168.1.254");
            }
            WhenModal<TFM_Waiting>(&scope, [&](TFM_Waiting* wait) {
                seen.waitCount = wait->Countdown;
                seen.waitText = wait->Label3->text().toStdString();
                wait->Countdown = 0;
                wait->close();
            });
            d->Apply->click();
            if (d->isVisible())
                d->close();
        });
        button->click();
        return seen;
    }
    static void Grab(QWidget& w, const char* name) { EXPECT_TRUE(SaveFormPicture(w, name)); }
    void SelectUsed(int item) { form->User_ListView->SetItemIndex(item); }

    std::unique_ptr<TFM_DHCP> form;
};

TEST_F(DhcpFormTest, ShowsThePoolsAndLeasesAndEnablesItselfAfterTheFirstRead) {
    Open();
    EXPECT_EQ(form->CB_Fuction1->Text(), "Enable");
    EXPECT_EQ(form->CB_Fuction2->Text(), "Enable");
    EXPECT_EQ(form->Ed_IPAF->Text(), "192.168.1.100");
    EXPECT_EQ(form->Ed_PoolRan->Text(), "20");
    EXPECT_EQ(form->Ed_Lease->Text(), "86400");
    EXPECT_EQ(form->CB_Status->Text(), "ON");
    EXPECT_EQ(form->Ed_ext->Text(), "192.168.1.1");
    EXPECT_EQ(form->LV_StaticPoolSet->ItemCount(), 8);
    ASSERT_EQ(form->User_ListView->ItemCount(), 2); // free rows left out, numbered 1, 2
    EXPECT_EQ(form->User_ListView->ItemCaption(1), "2");
    EXPECT_EQ(form->User_ListView->SubItem(1, 0), "192.168.1.30");
    EXPECT_EQ(form->LV_DynPool->ItemCount(), 2);
    EXPECT_EQ(form->LV_StaticPool->ItemCount(), 1);
    EXPECT_EQ(form->StatusBar2->SimpleText(), "Get OK!");
    for (QPushButton* b : {form->Bt_Apply, form->Bt_Cancel, form->Bt_Add})
        EXPECT_TRUE(b->isEnabled());
    EXPECT_FALSE(form->Bt_Set->isEnabled());
    const char* names[] = {"dhcp-dynamic", "dhcp-static", "dhcp-leases"};
    for (int page = 0; page < 3; ++page) {
        form->PageControl1->setCurrentIndex(page);
        Grab(*form, names[page]);
    }
    SelectUsed(0);
    EXPECT_TRUE(form->Bt_Del->isEnabled());
    // A lease refresh says "Get OK!" only when its read succeeded.
    for (const bool refused : {false, true}) {
        if (refused)
            Device->Sim().Command("fail " + kDhcp + "4.2 genErr");
        form->Bt_RefreshStaticPool->click();
        ASSERT_TRUE(PumpUntil([this] { return !form->StaticLeaseRequest->Busy; }));
        const std::string status = form->StatusBar4->SimpleText();
        EXPECT_EQ(status == "Get OK!", !refused) << status;
        EXPECT_EQ(status.find("Get:") != std::string::npos, refused) << status;
    }

    // Either function combo moves the other.
    form->CB_Fuction2->setCurrentIndex(0);
    emit form->CB_Fuction2->activated(0);
    EXPECT_EQ(form->CB_Fuction1->GetItemIndex(), 0);
    EXPECT_FALSE(form->Ed_IPAF->isEnabled());
    EXPECT_FALSE(form->Bt_Add->isEnabled());
    EXPECT_TRUE(Sets().empty());
}

TEST_F(DhcpFormTest, PoolChecksRefuseBeforeAnythingIsSent) {
    Open();
    struct Case {
        const char* start;
        const char* range;
        const char* lease;
        const char* system;
        const char* box; // empty: accepted and written
    };
    const Case cases[] = {
        {"192.168.0.100", "10", "86400", "192.168.0.105",
         "Warning: Reject: The DHCP dynamic IP pool will cover system IP."},
        {"192.168.0.100", "10", "86400", "192.168.0.110", ""},
        {"192.168.1.20", "5", "86400", "192.168.1.1",
         "Warning: Reject: The DHCP dynamic IP pool will cover Static IP."},
        {"192.168.1.10", "10", "86400", "192.168.1.1", ""}, // the binding at start + range
        {"192.168.0.100", "10", "59", "192.168.0.1", "Error: Please input a number between 60 and 31536000."},
        {"192.168.0.100", "10", "31536001", "192.168.0.1",
         "Error: Please input a number between 60 and 31536000."},
        {"192.168.0.100", "10", "", "192.168.0.1", "Warning: Please input a number between 60 and 31536000."},
        {"192.168.0.100", "0", "86400", "192.168.0.1", "Error: Please input a number between 1 and 255."},
        {"", "10", "86400", "192.168.0.1", "Warning: Please input valid IP address"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "/" + c.range + " lease " + c.lease + " system " + c.system);
        form->Ed_IPAF->SetText(c.start);
        form->Ed_PoolRan->SetText(c.range);
        form->Ed_Lease->SetText(c.lease);
        form->Ed_ext->SetText(c.system);
        form->Ed_Wins->SetText("");
        form->Ed_DNS->SetText("");
        Apply(form->Bt_Apply);
        if (*c.box) {
            EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
            EXPECT_TRUE(Sets().empty());
            continue;
        }
        EXPECT_TRUE(Boxes().empty());
        // The function first, then the whole pool, empty servers as "0.0.0.0".
        EXPECT_EQ(SetPduSizes(), (std::vector<int>{1, 9}));
        const std::vector<std::string> sets = Sets();
        ASSERT_EQ(sets.size(), 10u);
        EXPECT_EQ(sets[0], kFunction + "=1");
        EXPECT_EQ(sets[1], kPool + "1.0=" + c.start);
        EXPECT_EQ(sets[5], kPool + "5.0=0.0.0.0");
        EXPECT_EQ(sets[6], kPool + "6.0=0.0.0.0");
        EXPECT_EQ(form->StatusBar1->SimpleText(), "Setting Success!");
    }
}

TEST_F(DhcpFormTest, DisableWritesOnlyTheFunctionAndFailedWritesShowNoSuccess) {
    Open();
    form->CB_Fuction1->setCurrentIndex(0);
    emit form->CB_Fuction1->activated(0);
    form->Ed_Lease->SetText("1"); // not looked at while disabled
    form->Bt_Apply->click();
    EXPECT_EQ(Sets(), std::vector<std::string>{kFunction + "=0"});
    EXPECT_EQ(form->StatusBar1->SimpleText(), "Setting Success!");

    struct Case {
        int function;
        std::string refused;
        size_t sent;
    };
    for (const Case& c : {Case{1, kDhcp + "2", 2}, Case{1, kFunction, 1}, Case{0, kFunction, 1}}) {
        SCOPED_TRACE(c.refused);
        form->CB_Fuction1->setCurrentIndex(c.function);
        emit form->CB_Fuction1->activated(c.function);
        form->Ed_Lease->SetText("86400");
        Device->Sim().Command("fail " + c.refused + " genErr");
        Device->Sim().ClearLog();
        form->StatusBar1->SetSimpleText("");
        form->Bt_Apply->click();
        Device->Sim().Command("unfail " + c.refused);
        EXPECT_EQ(SetPduSizes().size(), c.sent);
        const std::string status = form->StatusBar1->SimpleText();
        EXPECT_NE(status, "Setting Success!");
        EXPECT_NE(status.find("Set:"), std::string::npos) << status;
    }
}

TEST_F(DhcpFormTest, AddWritesTheFirstFreeRowThenReadsBothListsOnce) {
    Open();
    const DialogSeen seen = EditBinding(form->Bt_Add, {"192.168.1.40", "0011223344CC"});
    EXPECT_EQ(seen.caption, "Static IP Pool Adding");
    EXPECT_TRUE(seen.oldIpEnabled);
    EXPECT_EQ(seen.index, "2");
    EXPECT_EQ(seen.waitCount, 15);
    EXPECT_EQ(seen.waitText, "But the device isn't restarting.");
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
    ASSERT_EQ(SetPduSizes(), std::vector<int>{8});
    EXPECT_EQ(Sets()[0], kStaticPool + "1.2=192.168.1.40");
    EXPECT_EQ(Sets()[1], kStaticPool + "2.2=0011223344CC");
    ASSERT_TRUE(PumpUntil([this] { return Idle(); }));
    EXPECT_EQ(StaticPoolWalks(), 2); // the hidden list and the used rows, once each
    EXPECT_EQ(form->User_ListView->ItemCount(), 3);
    EXPECT_EQ(form->StatusBar2->SimpleText(), "Get OK!");
}

TEST_F(DhcpFormTest, BindingChecksAndTheChangeModes) {
    Open();
    // A typed lower-case MAC is the stored upper-case one.
    EditBinding(form->Bt_Add, {"192.168.1.41", "0011223344bb"});
    EXPECT_EQ(Boxes(),
              std::vector<std::string>{"Warning: Reject: The MAC has already existed in IP Static pool."});
    EXPECT_TRUE(Sets().empty());

    // Changing only the address leaves the MAC out, and the MAC column is on again afterwards.
    SelectUsed(0);
    Device->Messages().Boxes.clear();
    const DialogSeen seen = EditBinding(form->Bt_Set, {"192.168.1.21", nullptr});
    EXPECT_EQ(seen.caption, "Static IP Pool Setting");
    EXPECT_FALSE(seen.oldIpEnabled);
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
    ASSERT_EQ(SetPduSizes(), std::vector<int>{7});
    for (const std::string& set : Sets())
        EXPECT_EQ(set.rfind(kStaticPool + "2.", 0), std::string::npos) << set;
    EXPECT_EQ(Sets()[0], kStaticPool + "1.1=192.168.1.21");
    EXPECT_EQ(form->StaticPoolRequest->Request.VarList.GetRow(2)->Access, ACC_READWRITE);
    ASSERT_TRUE(PumpUntil([this] { return Idle(); }));

    // A write that raises leaves the dialog open and the MAC column on.
    SelectUsed(0);
    Device->Sim().ClearLog();
    const std::string device = form->StaticPoolRequest->Request.Device.Address;
    form->StaticPoolRequest->Request.Device.Address = "no address";
    const DialogSeen raised = EditBinding(form->Bt_Set, {"192.168.1.22", nullptr});
    form->StaticPoolRequest->Request.Device.Address = device;
    EXPECT_EQ(raised.waitCount, 0); // no waiting dialog: nothing was sent
    EXPECT_TRUE(Sets().empty());
    EXPECT_FALSE(form->Busy);
    EXPECT_EQ(form->StaticPoolRequest->Request.VarList.GetRow(2)->Access, ACC_READWRITE);

    // Only the MAC changed: refused.
    SelectUsed(0);
    ClearSeen();
    EditBinding(form->Bt_Set, {nullptr, "0011223344DD"});
    EXPECT_EQ(Boxes(),
              std::vector<std::string>{"Warning: Reject: The IP has already existed in IP Static pool."});
    EXPECT_TRUE(Sets().empty());
}

TEST_F(DhcpFormTest, DeleteSendsOneActionThenOneWalkOfEachList) {
    Open();
    form->User_ListView->SetItemIndex(-1);
    form->Bt_DelClick(nullptr); // nothing selected: nothing deleted
    form->Bt_SetClick(nullptr);
    EXPECT_TRUE(Sets().empty());

    SelectUsed(1);
    form->Bt_Del->click();
    EXPECT_EQ(Sets(), std::vector<std::string>{kDeleteByMac + "=0011223344BB"});
    EXPECT_TRUE(form->Busy);
    form->Bt_AddClick(nullptr); // the re-read is running: no dialog comes up
    ASSERT_TRUE(PumpUntil([this] { return Idle(); }));
    EXPECT_EQ(StaticPoolWalks(), 2);
    EXPECT_EQ(form->User_ListView->ItemCount(), 1);
    EXPECT_EQ(form->LV_StaticPoolSet->SubItem(2, 0), "0.0.0.0");

    // A refused delete is a failure, not "Set OK!".
    Device->Sim().Command("fail " + kDeleteByMac + " genErr");
    Device->Sim().ClearLog();
    SelectUsed(0);
    form->Bt_Del->click();
    const std::string status = form->StatusBar2->SimpleText();
    EXPECT_NE(status.find("Set:"), std::string::npos) << status;
    EXPECT_FALSE(form->Busy);
    EXPECT_EQ(StaticPoolWalks(), 0);

    // A re-read that cannot go out leaves the form free to close.
    Device->Sim().Command("unfail " + kDeleteByMac);
    form->StaticPoolRequest->Request.Device.Address = "no address";
    form->Bt_Del->click();
    EXPECT_EQ(Sets().size(), 2u);
    EXPECT_TRUE(PumpUntil([this] { return !form->BusyNow(); })); // once the used-row walk is in
}

TEST_F(DhcpFormTest, AFullStaticPoolRefusesAddBeforeTheDialog) {
    for (int row = 1; row <= 8; ++row)
        Device->Sim().Command("set " + kStaticPool + "1." + std::to_string(row) + " 10.0.0." +
                              std::to_string(row));
    Open();
    form->Bt_Add->click(); // a dialog would wait here for ever
    EXPECT_EQ(Boxes(), std::vector<std::string>{std::string("Warning: ") + kTableFullText});
    EXPECT_TRUE(Sets().empty());
}

TEST_F(DhcpFormTest, AfterAFailedStaticPoolReadNothingEnablesAdd) {
    Device->Sim().Command("set " + kFunction + " 1"); // the server on
    Device->Sim().Command("fail " + kStaticPool + "1 genErr");
    form = std::make_unique<TFM_DHCP>(nullptr);
    ASSERT_TRUE(ShowActive(*form));
    ASSERT_TRUE(PumpUntil([this] { return Idle(); }));
    Device->Sim().Command("unfail " + kStaticPool + "1");
    EXPECT_FALSE(form->Bt_Add->isEnabled());
    // Each way the form used to enable it again: the tab, then either function combo.
    form->PageControl1->setCurrentWidget(form->TabSheet2);
    EXPECT_FALSE(form->Bt_Add->isEnabled());
    for (TComboBox* combo : {form->CB_Fuction2, form->CB_Fuction1}) {
        for (int index : {0, 1}) {
            combo->SetItemIndex(index);
            combo->OnChange(combo);
            EXPECT_FALSE(form->Bt_Add->isEnabled()) << index;
        }
    }
    // A successful read makes it usable again.
    form->Bt_RfrshClick(form->Bt_Rfrsh); // the hidden refresh
    ASSERT_TRUE(PumpUntil([this] { return Idle(); }));
    EXPECT_TRUE(form->Bt_Add->isEnabled());
}

TEST_F(DhcpFormTest, ApplyIsOffWhileTheUsedRowsAreListedAgain) {
    Open();
    ASSERT_TRUE(form->Bt_Apply->isEnabled());
    Device->Sim().Command("delay 200");
    form->Bt_Rfrsh->click();
    ASSERT_TRUE(form->UsedRowList->Busy);
    EXPECT_FALSE(form->Bt_Apply->isEnabled());
    // A click that arrives all the same checks against nothing and writes nothing.
    form->Bt_ApplyClick(form->Bt_Apply);
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(Boxes().empty());
    ASSERT_TRUE(PumpUntil([this] { return !form->UsedRowList->Busy; }, 30000));
    Device->Sim().Command("delay 0");
    EXPECT_TRUE(form->Bt_Apply->isEnabled());
    EXPECT_EQ(form->User_ListView->ItemCount(), 2);
}

TEST_F(DhcpFormTest, AReadRefusedAtOpeningStaysInViewAndItsObjectIsNotWritten) {
    struct Case {
        std::string refused;
        bool functionUnread;
    };
    for (const Case& c : {Case{kFunction, true}, Case{kPool.substr(0, kPool.size() - 1), false}}) {
        SCOPED_TRACE(c.refused);
        Device->Sim().Command("fail " + c.refused + " genErr");
        Open();
        Device->Sim().Command("unfail " + c.refused);
        // The static pool's "Get OK!" came later and did not replace the failure.
        EXPECT_EQ(form->StatusBar1->SimpleText().rfind("Get: ", 0), 0u) << form->StatusBar1->SimpleText();
        if (c.functionUnread) {
            for (QPushButton* apply : {form->Bt_Apply, form->StaticApply}) {
                apply->click();
                EXPECT_TRUE(Sets().empty());
            }
            EXPECT_EQ(form->StatusBar1->SimpleText(), "The DHCP function was not read: nothing was written.");
            EXPECT_EQ(form->StatusBar2->SimpleText(), "The DHCP function was not read: nothing was written.");
            // The user's own choice is written.
            form->CB_Fuction2->SetItemIndex(0);
            form->CB_Fuction2->OnChange(form->CB_Fuction2);
            form->StaticApply->click();
            EXPECT_EQ(Sets(), std::vector<std::string>{kFunction + "=0"});
            // The function's write ends what each bar said of it.
            EXPECT_EQ(form->StatusBar1->SimpleText(), "Setting Success!");
            EXPECT_EQ(form->StatusBar2->SimpleText(), "Setting Success!");
        }
        form.reset();
    }
}

TEST_F(DhcpFormTest, APoolNotReadSendsOnlyWhatTheUserTypedAndSaysSo) {
    const std::string pool = kPool.substr(0, kPool.size() - 1);
    Device->Sim().Command("fail " + pool + " genErr");
    Open();
    Device->Sim().Command("unfail " + pool);
    ASSERT_EQ(form->CB_Fuction1->GetItemIndex(), 1);
    EXPECT_EQ(form->CB_Status->GetItemIndex(), -1); // nothing read, nothing chosen
    for (const auto& [edit, text] :
         {std::pair{form->Ed_IPAF, "10.10.10.100"}, std::pair{form->Ed_PoolRan, "10"},
          std::pair{form->Ed_SubMask, "255.255.255.0"}, std::pair{form->Ed_Gateway, "10.10.10.254"},
          std::pair{form->Ed_Lease, "86400"}})
        Type(edit, text);
    form->Bt_Apply->click();
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
    std::vector<std::string> poolSets;
    for (const std::string& set : Sets())
        if (set.rfind(kPool, 0) == 0)
            poolSets.push_back(set.substr(kPool.size()));
    // Servers, domain and status were neither read nor typed: they stay out, not even the step's
    // 0.0.0.0 for an empty server goes over the device's own.
    EXPECT_EQ(poolSets, (std::vector<std::string>{"1.0=10.10.10.100", "2.0=10", "3.0=255.255.255.0",
                                                  "4.0=10.10.10.254", "8.0=86400"}));
    EXPECT_EQ(form->StatusBar1->SimpleText(), TSettingsForm::kPartlyWritten);
}

// A pool check needs the list or the address it checks against: without it, nothing is written.
TEST_F(DhcpFormTest, APoolCheckAgainstWhatWasNotReadDoesNotPass) {
    struct Case {
        std::string refused;
        const char* start;
        const char* box;
    };
    const Case cases[] = {
        // The static binding 192.168.1.30 lies in the pool.
        {kStaticPool + "1", "192.168.1.25", Dhcp::kStaticPoolUnread},
        // The device's own 192.168.1.1 lies in the pool.
        {"1.3.6.1.4.1.48113.11.37.4.1.5", "192.168.1.1", Dhcp::kSystemAddressUnread},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        Device->Sim().Command("fail " + c.refused + " genErr");
        Open();
        Device->Sim().Command("unfail " + c.refused);
        // The failure stays on the pool's bar: neither "Listing data ... " nor "Get OK!".
        EXPECT_EQ(form->StatusBar1->SimpleText().rfind("Get: ", 0), 0u) << form->StatusBar1->SimpleText();
        EXPECT_TRUE(form->Bt_Apply->isEnabled());
        form->Ed_IPAF->SetText(c.start);
        form->Ed_PoolRan->SetText("10");
        form->Bt_Apply->click();
        EXPECT_EQ(Boxes(), std::vector<std::string>{std::string("Warning: ") + c.box});
        EXPECT_TRUE(Sets().empty());
        form.reset();
    }
}

// The static pool's walk times out (its time-out is below the device's delay) while the used rows'
// walk, with ten times as long, lists them: Set and Del have no row to work on and stay off.
TEST_F(DhcpFormTest, AfterAFailedStaticPoolReadSetAndDelStayOff) {
    Device->Sim().Command("set " + kFunction + " 1");
    Device->Sim().Command("delay 600");
    form = std::make_unique<TFM_DHCP>(nullptr, 20);
    ASSERT_TRUE(ShowActive(*form));
    ASSERT_TRUE(PumpUntil([this] { return Idle(); }, 60000));
    Device->Sim().Command("delay 0");
    ASSERT_EQ(form->User_ListView->ItemCount(), 2);
    EXPECT_EQ(form->StatusBar2->SimpleText().rfind("Get: ", 0), 0u) << form->StatusBar2->SimpleText();
    EXPECT_NE(form->StatusBar1->SimpleText(), "Listing data ... ");
    SelectUsed(0);
    EXPECT_FALSE(form->Bt_Set->isEnabled());
    EXPECT_FALSE(form->Bt_Del->isEnabled());
}

class DhcpClosingTest : public DhcpFormTest {
  protected:
    DevSimOptions Options() override {
        DevSimOptions options;
        if (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) ==
            "ClosesAfterARefusedFirstWalk")
            options.extraArgs = {"--fail", kStaticPool + "1=genErr"};
        return options;
    }
    bool Closes() {
        form->close();
        return PumpUntil([this] { return !form->isVisible(); });
    }
};

TEST_F(DhcpClosingTest, ClosesAfterARefusedFirstWalk) {
    form = std::make_unique<TFM_DHCP>(nullptr);
    ASSERT_TRUE(ShowActive(*form));
    ASSERT_TRUE(PumpUntil([this] { return !form->Busy; }));
    EXPECT_FALSE(form->FirstReadPending);
    EXPECT_NE(form->StatusBar2->SimpleText().find("Get:"), std::string::npos);
    EXPECT_TRUE(form->Bt_Cancel->isEnabled());
    EXPECT_TRUE(Closes());
}

TEST_F(DhcpClosingTest, ClosesAgainstASilentDevice) {
    form = std::make_unique<TFM_DHCP>(nullptr, 50);
    Device->Sim().Command("silent 30"); // the walks' next steps go unanswered
    ASSERT_TRUE(ShowActive(*form));
    form->close();
    EXPECT_TRUE(form->isVisible()); // the first read is still out
    EXPECT_TRUE(PumpUntil([this] { return !form->BusyNow(); }, 60000));
    EXPECT_TRUE(Closes());
}

TEST_F(DhcpClosingTest, ACloseWhileALeaseRowIsShownWaitsForTheWalk) {
    Open();
    Device->Sim().Command("delay 30");
    // The close arrives while the walk shows a row (showing processes messages).
    bool posted = false;
    QObject::connect(form->LV_DynPool->model(), &QAbstractItemModel::rowsInserted, form.get(), [&] {
        if (!posted)
            QTimer::singleShot(0, form.get(), [&] { form->close(); });
        posted = true;
    });
    form->Bt_RefreshDynamicPool->click();
    EXPECT_TRUE(PumpUntil([this] { return !form->isVisible(); }, 10000));
    EXPECT_TRUE(posted);
    EXPECT_EQ(form->DynamicLeaseRequest, nullptr);
}

// Del clicked while the close waits for the lease walks' answers: nothing is sent, the form is
// already out of sight, and the close ends within one wait.
TEST_F(DhcpClosingTest, AClickAfterTheCloseWasAcceptedRunsNothing) {
    Open();
    SelectUsed(1);
    ASSERT_TRUE(form->Bt_Del->isEnabled());
    Device->Sim().Command("delay 1500");
    form->Bt_RefreshDynamicPool->click();
    form->Bt_RefreshStaticPool->click();
    ASSERT_FALSE(form->BusyNow());
    bool clicked = false, visible = true;
    QTimer::singleShot(500, [&] {
        visible = form->isVisible();
        form->Bt_Del->click();
        clicked = true;
    });
    form->close();
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(visible);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(Sets().empty());
    EXPECT_EQ(form->UsedRowList, nullptr);
}

TEST_F(DhcpClosingTest, TheUsedRowWalkHoldsTheClose) {
    Open();
    Device->Sim().Command("delay 300");
    form->Bt_Rfrsh->click();
    ASSERT_TRUE(form->UsedRowList->Busy);
    // As when the static pool's read has ended first.
    ASSERT_TRUE(PumpUntil([this] { return !form->StaticPoolRequest->Busy; }, 20000));
    form->Busy = false;
    form->FirstReadPending = false;
    if (form->UsedRowList->Busy) {
        EXPECT_TRUE(form->BusyNow());
        form->close();
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_TRUE(PumpUntil([this] { return Idle(); }, 20000));
    EXPECT_TRUE(Closes());
}

// Enter in an edit of a form without a default button sends nothing.
TEST_F(DhcpFormTest, EnterInAPoolEditSendsNothing) {
    Open();
    form->PageControl1->setCurrentIndex(0);
    form->Ed_PoolRan->setFocus();
    QTest::keyClick(form->Ed_PoolRan, Qt::Key_Return);
    QTest::keyClick(form->Ed_PoolRan, Qt::Key_Enter);
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(form->isVisible());
}

} // namespace
