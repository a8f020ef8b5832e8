// A settings form's worth of bindings read from the device, changed by typing and written back.
#include "library/common/NxOptionList.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Exception.h"
#include "platform/Label.h"
#include "platform/MessageRecorder.h"
#include "tests/controls/DeviceFixture.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTest>
#include <filesystem>
#include <functional>

namespace {

const OptionDef kModes[] = {IntOption(1, "Off"), IntOption(2, "Auto"), IntOption(3, "Manual"),
                            EndOfOptions()};
const OptionDef kSwitch[] = {IntOption(0, "Disable"), IntOption(1, "Enable"), EndOfOptions()};

NxOptionList Modes(kModes, NxOptionList::IntegerKeys, false);
NxOptionList Switch(kSwitch, NxOptionList::IntegerKeys, false);

const VarDef kSettings[] = {
    Row("1.3.6.1.4.1.99999.1.1", "Name", SYN_DISPLAYSTR, ACC_READWRITE),
    Row("1.3.6.1.4.1.99999.1.2", "Mode", SYN_INTEGER, ACC_READWRITE, &Modes),
    Row("1.3.6.1.4.1.99999.1.3", "Enable", SYN_INTEGER, ACC_READWRITE, &Switch),
    Row("1.3.6.1.4.1.99999.1.4", "Version", SYN_DISPLAYSTR, ACC_READONLY),
    Row("1.3.6.1.4.1.99999.1.5", "Address", SYN_IPADDRESS, ACC_READWRITE),
    Row("1.3.6.1.4.1.99999.1.6", "Mac", SYN_MACADDRESS, ACC_READWRITE),
    Row("1.3.6.1.4.1.99999.1.7", "Interval", SYN_INTEGER, ACC_READWRITE),
    EndOfRows(),
};

const char kByte[] = "%u{n0x255}";

// The form: its controls in a grid, its request bound as a settings form binds it.
class ScalarFormTest : public DeviceFixture {
  protected:
    void SetUp() override {
        DeviceFixture::SetUp();
        auto* grid = new QGridLayout(&form);
        name = Add<TEdit>(grid, 0, "Name");
        mode = Add<TComboBox>(grid, 1, "Mode");
        enable = Add<TCheckBox>(grid, 2, "");
        enable->SetCaption("Enable radio");
        version = Add<TLabel>(grid, 3, "Version");
        auto* ipRow = new QHBoxLayout;
        for (auto*& e : ip) {
            e = new TEdit(&form);
            e->setFixedWidth(40);
            ipRow->addWidget(e);
        }
        grid->addWidget(new TLabel(&form), 4, 0);
        static_cast<TLabel*>(grid->itemAtPosition(4, 0)->widget())->SetCaption("Address");
        grid->addLayout(ipRow, 4, 1);
        auto* macRow = new QHBoxLayout;
        for (auto*& e : mac) {
            e = new TEdit(&form);
            e->setFixedWidth(30);
            macRow->addWidget(e);
        }
        grid->addWidget(new TLabel(&form), 5, 0);
        static_cast<TLabel*>(grid->itemAtPosition(5, 0)->widget())->SetCaption("MAC");
        grid->addLayout(macRow, 5, 1);
        interval = Add<TEdit>(grid, 6, "Interval");
        other = Add<TEdit>(grid, 7, "Other");

        mode->SetStyle(TComboBox::csDropDown);
        mode->OnChange = [this](QObject*) { changedSeenByForm.push_back(req->Changed); };
        Bind();
        ASSERT_TRUE(ShowActive(form));
    }
    // A new request bound to the controls, as a form binds its request once.
    void Bind() {
        req = std::make_unique<NxSNMPRequest2Edits>(&form);
        req->Request.VarList = NxSNMPVarList(kSettings, SVT_SV, 0);
        req->Mode = 0;
        req->BindEdits(0, "%s{l32}", name);
        req->BindComboBox(1, mode);
        req->BindCheckBox(2, enable);
        req->BindLabel(3, version);
        req->BindEdits(4, std::string(kByte) + kByte + kByte + kByte, ip[0], ip[1], ip[2], ip[3]);
        req->BindEdits(5, "%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}", mac[0], mac[1], mac[2], mac[3], mac[4],
                       mac[5]);
        req->BindEdits(6, "%u{n300x18000}", interval);
    }
    void TearDown() override {
        req.reset();
        DeviceFixture::TearDown();
    }

    template <typename T> T* Add(QGridLayout* grid, int row, const char* caption) {
        auto* label = new TLabel(&form);
        label->SetCaption(caption);
        grid->addWidget(label, row, 0);
        auto* control = new T(&form);
        grid->addWidget(control, row, 1);
        return control;
    }
    // Replaces an edit's text as a user would: focus, select all, type.
    void Retype(TEdit* edit, const char* keys) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    void Leave(TEdit* edit) {
        (edit == other ? name : other)->setFocus();
        QApplication::processEvents();
    }

    MessageRecorder rec;
    QWidget form;
    TEdit* name = nullptr;
    TComboBox* mode = nullptr;
    TCheckBox* enable = nullptr;
    TLabel* version = nullptr;
    TEdit* ip[4] = {};
    TEdit* mac[6] = {};
    TEdit* interval = nullptr;
    TEdit* other = nullptr;
    std::vector<int> changedSeenByForm;
    std::unique_ptr<NxSNMPRequest2Edits> req;
};

TEST_F(ScalarFormTest, ReadShowsEveryRowInItsControls) {
    EXPECT_EQ(mode->GetStyle(), TComboBox::csDropDownList); // the form declared it editable
    EXPECT_TRUE(req->Get());
    EXPECT_EQ(req->Busy, 0);
    EXPECT_EQ(req->RowCount, 1);
    EXPECT_EQ(name->Text(), "Office AP");
    EXPECT_EQ(mode->ItemCount(), 3);
    EXPECT_EQ(mode->Text(), "Auto");
    EXPECT_TRUE(enable->Checked());
    EXPECT_EQ(version->Caption(), "v1.2.3");
    EXPECT_EQ(ip[0]->Text() + "." + ip[1]->Text() + "." + ip[2]->Text() + "." + ip[3]->Text(),
              "192.168.1.254");
    std::string macText;
    for (TEdit* e : mac)
        macText += e->Text() + ":";
    EXPECT_EQ(macText, "00:11:22:AA:BB:CC:");
    EXPECT_EQ(interval->Text(), "600");
    EXPECT_EQ(req->Changed, 0); // the check box's click during the read does not count
    EXPECT_EQ(PdusLogged("GET"), 1);

    EXPECT_TRUE(SaveFormPicture(form, "controls-form"));
}

TEST_F(ScalarFormTest, TypedChangesAreWrittenExactly) {
    ASSERT_TRUE(req->Get());
    sim->ClearLog();

    Retype(name, "Lab");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down); // Auto -> Manual, as the user picks it
    EXPECT_EQ(mode->Text(), "Manual");
    ASSERT_EQ(changedSeenByForm.size(), 1u);
    EXPECT_EQ(changedSeenByForm[0], 0); // the form's own handler runs before the flag is set
    EXPECT_EQ(req->Changed, 1);
    enable->setFocus();
    QTest::keyClick(enable, Qt::Key_Space);
    EXPECT_FALSE(enable->Checked());
    Retype(ip[3], "1");
    Retype(mac[5], "dd");
    Retype(mac[0], "7"); // one digit: a leading zero is added

    EXPECT_TRUE(req->Set(true, true));
    EXPECT_EQ(req->Busy, 0);
    const std::vector<std::string> expected = {
        "1.3.6.1.4.1.99999.1.1.0=Lab",
        "1.3.6.1.4.1.99999.1.2.0=3",
        "1.3.6.1.4.1.99999.1.3.0=0",
        "1.3.6.1.4.1.99999.1.5.0=192.168.1.1",
        "1.3.6.1.4.1.99999.1.6.0=071122AABBDD",
        "1.3.6.1.4.1.99999.1.7.0=600",
    };
    EXPECT_EQ(SetsLogged(), expected);
    EXPECT_EQ(PdusLogged("SET"), 1);
    EXPECT_EQ(sim->Command("get 1.3.6.1.4.1.99999.1.1.0"), "value displaystr Lab\n");

    // The rows hold what was sent, option rows as their option texts.
    EXPECT_EQ(RowText(*req->Request.VarList.GetRow(1)), "Manual");
    EXPECT_EQ(RowText(*req->Request.VarList.GetRow(2)), "Disable");
    EXPECT_EQ(RowText(*req->Request.VarList.GetRow(5)), "071122AABBDD");
}

TEST_F(ScalarFormTest, BoundEditKeepsItsConstraint) {
    ASSERT_TRUE(req->Get());
    EXPECT_EQ(req->Constraints().Count(), 12); // name, four address bytes, six MAC bytes, interval
    // A refused first entry puts back what the read showed.
    Retype(interval, "99999");
    Leave(interval);
    ASSERT_EQ(rec.Boxes.size(), 1u);
    EXPECT_EQ(interval->Text(), "600");
    rec.Boxes.clear();

    Retype(interval, "9x00");
    EXPECT_EQ(interval->Text(), "900");
    ASSERT_EQ(rec.Beeps.size(), 1u);
    EXPECT_EQ(rec.Beeps[0].Frequency, 1000u);
    Leave(interval);
    EXPECT_TRUE(rec.Boxes.empty());

    Retype(interval, "299");
    Leave(interval);
    ASSERT_EQ(rec.Boxes.size(), 1u);
    EXPECT_EQ(rec.Boxes[0].Text, "(NxCommon) Please enter a number between 300 and 18000!");
    EXPECT_EQ(interval->Text(), "900");
    EXPECT_TRUE(interval->hasFocus());

    Retype(interval, "18000");
    Leave(interval);
    EXPECT_EQ(rec.Boxes.size(), 1u);
    EXPECT_EQ(interval->Text(), "18000");
}

TEST_F(ScalarFormTest, ControlsBoundTwiceRunTheFormsHandlerOnce) {
    req->BindComboBox(1, mode);
    req->BindCheckBox(2, enable);
    req->BindCheckBox(2, enable);
    ASSERT_TRUE(req->Get());
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    EXPECT_EQ(changedSeenByForm.size(), 1u);
    EXPECT_EQ(req->Changed, 1);
    req->Changed = 0;
    enable->setFocus();
    QTest::keyClick(enable, Qt::Key_Space);
    EXPECT_FALSE(enable->Checked());
    EXPECT_EQ(req->Changed, 1);
}

TEST_F(ScalarFormTest, ValuesTheControlsCannotShow) {
    ASSERT_TRUE(req->Get());
    VarDef& address = *req->Request.VarList.GetRow(4);
    SetRowText(address, "(NULL)");
    req->ValuesToControls(4);
    EXPECT_EQ(ip[0]->Text(), "192"); // a value the device did not give leaves the edits alone

    SetRowText(*req->Request.VarList.GetRow(2), "7"); // not in the two-entry list
    req->ValuesToControls(2);
    EXPECT_FALSE(enable->Checked());

    // A check box without an option list on a row that is no boolean.
    TCheckBox plain(&form);
    req->BindCheckBox(6, &plain);
    try {
        req->Get();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -517);
        EXPECT_EQ(e.Message, "(NxSNMP++) Bad syntax of the associated SNMP variable's (partial) data!");
    }
    EXPECT_EQ(req->Busy, 0);

    // Six MAC bytes cannot go into fewer edits.
    TEdit a(&form), b(&form);
    req->BindEdits(5, "%h%h", &a, &b);
    try {
        req->ValuesToControls(5);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -522);
    }
}

// A value longer than its edit can hold whole is not shown cut: the edit keeps what it showed,
// holds nothing to write, and the read says so.
TEST_F(ScalarFormTest, AValueTooLongForItsEditIsNotHeld) {
    ASSERT_TRUE(req->Get());
    sim->Command("set 1.3.6.1.4.1.99999.1.1.0 \"" + std::string(40000, 'x') + "\"");
    EXPECT_FALSE(req->Get());
    EXPECT_EQ(req->Request.Result.Message, "(NxSNMP++) A value read is too long and cannot be shown!");
    EXPECT_EQ(name->Text() + "|" + interval->Text(), "Office AP|600");
    sim->ClearLog();
    EXPECT_TRUE(req->Set(true, true));
    EXPECT_EQ(req->LeftOutRows, std::vector<int>{0});
    EXPECT_EQ(SetsLogged().size(), 5u); // each row read, the name left out
}

// ---- nothing the form did not read is written ------------------------------------------------

constexpr char kModeOid[] = "1.3.6.1.4.1.99999.1.2.0";

// The read failed: each row is written only when the user changed its control.
TEST_F(ScalarFormTest, AfterAFailedReadOnlyTheUsersChangesAreWritten) {
    struct Case {
        const char* What;
        std::function<void()> Change;
        std::vector<std::string> Sets;
    };
    const Case cases[] = {
        {"nothing changed", [] {}, {}},
        {"name typed", [&] { Retype(name, "Lab"); }, {"1.3.6.1.4.1.99999.1.1.0=Lab"}},
        {"mode picked",
         [&] {
             mode->setFocus();
             QTest::keyClick(mode, Qt::Key_Down);
         },
         {"1.3.6.1.4.1.99999.1.2.0=1"}},
        {"box clicked",
         [&] {
             enable->setFocus();
             QTest::keyClick(enable, Qt::Key_Space);
         },
         {"1.3.6.1.4.1.99999.1.3.0=1"}},
        {"one address byte typed", [&] { Retype(ip[3], "7"); }, {"1.3.6.1.4.1.99999.1.5.0=0.0.0.7"}},
        {"code's own value, marked asked",
         [&] {
             interval->SetText("900");
             req->MarkAsked(6);
         },
         {"1.3.6.1.4.1.99999.1.7.0=900"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        for (TEdit* e : {name, interval, ip[0], ip[1], ip[2], ip[3]}) {
            e->SetText("");
            e->ClearUserChanged();
        }
        mode->ClearUserChanged();
        enable->ClearUserChanged();
        Bind();
        sim->Command(std::string("fail ") + kModeOid + " genErr");
        EXPECT_FALSE(req->Get());
        sim->Command(std::string("unfail ") + kModeOid);
        EXPECT_EQ(mode->GetItemIndex(), -1); // refilled at binding: no first item by itself
        c.Change();
        sim->ClearLog();
        const bool written = req->Set(true, true);
        EXPECT_EQ(SetsLogged(), c.Sets);
        EXPECT_EQ(written, !c.Sets.empty());
        EXPECT_EQ(req->SentNothing, c.Sets.empty());
        EXPECT_EQ(req->LeftOutRows.size(), c.Sets.empty() ? 6u : 5u);
        if (c.Sets.empty()) {
            EXPECT_EQ(req->Request.Result.Code, NXSNMP_NOTHING_TO_WRITE);
        }
    }
}

// Values the device holds that the controls cannot show are not written back as something else.
TEST_F(ScalarFormTest, ReadValuesTheControlsCannotShowAreLeftOut) {
    struct Case {
        const char* Oid;
        const char* Value;
        int LeftOut;
    };
    const Case cases[] = {{kModeOid, "7", 1}, {"1.3.6.1.4.1.99999.1.3.0", "5", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Oid);
        sim->Command(std::string("set ") + c.Oid + " " + c.Value);
        ASSERT_TRUE(req->Get());
        EXPECT_FALSE(req->Holds(c.LeftOut));
        sim->ClearLog();
        EXPECT_TRUE(req->Set(true, true));
        EXPECT_EQ(req->LeftOutRows, std::vector<int>{c.LeftOut});
        EXPECT_EQ(SetsLogged().size(), 5u);
        for (const std::string& set : SetsLogged())
            EXPECT_EQ(set.find(c.Oid), std::string::npos) << set;
        EXPECT_EQ(sim->Command(std::string("get ") + c.Oid), std::string("value integer ") + c.Value + "\n");
        sim->Command(std::string("set ") + c.Oid + " 2");
        ASSERT_TRUE(req->Get());
    }
    EXPECT_EQ(mode->Text(), "Auto"); // shown again once the device holds a value of the list
}

// The user's typing counts however the form's code changes the edit's length or text afterwards.
TEST_F(ScalarFormTest, UsersEditSurvivesCodeChangesOfTheEdit) {
    sim->Command(std::string("fail ") + kModeOid + " genErr");
    EXPECT_FALSE(req->Get());
    Retype(name, "Lab");
    name->SetMaxLength(2);
    name->SetText("Lb");
    EXPECT_TRUE(name->UserChanged());
    EXPECT_TRUE(req->Holds(0));
    EXPECT_FALSE(req->Holds(1));
    sim->Command(std::string("unfail ") + kModeOid);
    ASSERT_TRUE(req->Get()); // the device's value replaces the user's
    EXPECT_FALSE(name->UserChanged());
    EXPECT_EQ(name->Text(), "Office AP");
}

// A write with callbacks that has nothing to send ends through its closure, from the event loop.
TEST_F(ScalarFormTest, NothingToSendEndsTheWriteWithCallbacks) {
    sim->Command(std::string("fail ") + kModeOid + " genErr");
    EXPECT_FALSE(req->Get());
    req->Mode = NxSNMPRequest2Controls::ModeCallback;
    int32_t code = 0;
    int endings = 0;
    req->OnEndingSet = [&](NxSNMPRequest2Controls*, NxSNMPError* result) {
        code = result->Code;
        ++endings;
    };
    sim->ClearLog();
    EXPECT_TRUE(req->Set(true, true));
    EXPECT_EQ(endings, 0);
    ASSERT_TRUE(WaitUntil([&] { return endings == 1; }));
    EXPECT_EQ(code, NXSNMP_NOTHING_TO_WRITE);
    EXPECT_EQ(req->Busy, 0);
    EXPECT_EQ(PdusLogged("SET"), 0);
}

} // namespace
