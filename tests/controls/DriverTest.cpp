// The driver's status line, its completions and how it ends reads and writes that go wrong.
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/CheckBox.h"
#include "platform/Edit.h"
#include "platform/Memo.h"
#include "platform/MessageRecorder.h"
#include "platform/StatusBar.h"
#include "tests/controls/DeviceFixture.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const VarDef kSettings[] = {
    Row("1.3.6.1.4.1.99999.1.1", "Name", SYN_DISPLAYSTR, ACC_READWRITE),
    Row("1.3.6.1.4.1.99999.1.2", "Mode", SYN_INTEGER, ACC_READWRITE),
    EndOfRows(),
};

const VarDef kStations[] = {
    Row("1.3.6.1.4.1.99999.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS | ACC_HIDDEN),
    Row("1.3.6.1.4.1.99999.2.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE),
    Row("1.3.6.1.4.1.99999.2.1.3", "MAC", SYN_MACADDRESS, ACC_READWRITE),
    EndOfRows(),
};

const char kBadSyntax[] = "(NxSNMP++) Bad syntax of the associated SNMP variable's (partial) data!";

class DriverTest : public DeviceFixture {
  protected:
    void SetUp() override {
        DeviceFixture::SetUp();
        req = std::make_unique<NxSNMPRequest2Edits>(&form);
        req->Request.VarList = NxSNMPVarList(kSettings, SVT_SV, 0);
        req->BindEdits(0, "%s", &name);
        req->OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* r) {
            endings.push_back("get " + std::to_string(r->Code) + " busy " + std::to_string(req->Busy));
        };
        req->OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* r) {
            endings.push_back("set " + std::to_string(r->Code) + " busy " + std::to_string(req->Busy));
        };
    }
    void TearDown() override {
        req.reset();
        DeviceFixture::TearDown();
    }
    bool Ended() {
        return WaitUntil([this] { return !endings.empty(); });
    }

    MessageRecorder rec;
    QWidget form;
    TEdit name{&form};
    std::unique_ptr<NxSNMPRequest2Edits> req;
    std::vector<std::string> endings;
};

TEST_F(DriverTest, StatusLineFromTheTemplates) {
    TStatusBar bar(&form);
    req->SetStatusBar(&bar);
    req->ShowStatus("(SNMPClass) SNMP request timed out!");
    const QRegularExpression line(
        R"(^Get: \(SNMPClass\) SNMP request timed out!\. Receive at (\d\d):\d\d:\d\d (AM|PM)\.$)");
    const std::string text = bar.SimpleText();
    const QRegularExpressionMatch m = line.match(QString::fromStdString(text));
    ASSERT_TRUE(m.hasMatch()) << text;
    const int hour = m.captured(1).toInt();
    EXPECT_GE(hour, 1);
    EXPECT_LE(hour, 12);

    // A write's line goes to a memo as a new last line.
    TMemo memo(&form);
    memo.AddLine("earlier");
    req->SetStatusMemo(&memo);
    req->LastOperation = NxSNMPRequest2Controls::OperationSet;
    req->ShowStatus("failed");
    ASSERT_EQ(memo.LineCount(), 2);
    EXPECT_EQ(memo.Line(0), "earlier");
    EXPECT_EQ(memo.Line(1).rfind("Set: failed. Receive at ", 0), 0u) << memo.Line(1);

    // A loaded template with the list placeholder first keeps it; the list text fills it.
    SnmpMsgTable.Replace({"[VARLIST] <[ERROR]> [TIME]", "w"});
    TStatusBar panels(&form);
    req->SetStatusPanel(panels.AddPanel(100));
    req->LastOperation = NxSNMPRequest2Controls::OperationGet;
    req->ShowStatus("bad");
    EXPECT_EQ(panels.Panel(0)->Text().rfind("[VARLIST] <bad> ", 0), 0u) << panels.Panel(0)->Text();
    req->Request.VarList.ListText = "Basic";
    req->ShowStatus("bad");
    EXPECT_EQ(panels.Panel(0)->Text().rfind("Basic <bad> ", 0), 0u) << panels.Panel(0)->Text();
    SnmpMsgTable.Replace({});
}

TEST_F(DriverTest, SendThatFailsAtOnceStillEnds) {
    req->Request.VarList.ItemType = 7; // no such kind of list: nothing can be sent
    EXPECT_TRUE(req->Get());
    EXPECT_EQ(req->Busy, 1);
    ASSERT_TRUE(Ended());
    EXPECT_EQ(endings, std::vector<std::string>{"get -515 busy 0"});
    EXPECT_EQ(PdusLogged("GET"), 0);

    // A write to an address that cannot be reached from here fails at the send.
    endings.clear();
    req->Request.VarList.ItemType = SVT_SV;
    req->Request.Device.Address = "0.0.0.0";
    req->Request.Device.Port = 0;
    name.SetText("x");
    EXPECT_TRUE(req->Set(true, true));
    ASSERT_TRUE(Ended());
    EXPECT_EQ(endings.size(), 1u);
    EXPECT_EQ(endings[0].rfind("set -", 0), 0u) << endings[0];
    EXPECT_EQ(req->Busy, 0);
}

// Whatever the failure leaves in the rows ("(NULL)" for numbers), the controls keep their texts.
TEST_F(DriverTest, FailedBlockingReadLeavesTheControlsAsTheyWere) {
    TEdit mode(&form);
    req->BindEdits(1, "%u", &mode);
    req->Mode = NxSNMPRequest2Controls::ModeBlocking;
    for (const char* failure : {"fail 1.3.6.1.4.1.99999.1.2 genErr", "drop 20"}) {
        sim->Command(failure);
        req->Request.TimeOut = 30;
        name.SetText("layout");
        mode.SetText("255");
        EXPECT_FALSE(req->Get()) << failure;
        EXPECT_EQ(name.Text(), "layout") << failure;
        EXPECT_EQ(mode.Text(), "255") << failure;
        sim->Command("unfail 1.3.6.1.4.1.99999.1.2");
    }
}

TEST_F(DriverTest, FailedWriteOfATableIsNotReadAgain) {
    req->Request.VarList = NxSNMPVarList(kStations, MVT_UMV, 1);
    sim->Command("fail 1.3.6.1.4.1.99999.2.1.2 genErr");
    SetRowText(*req->Request.VarList.GetRow(0), "1");
    EXPECT_TRUE(req->Set(true, false));
    ASSERT_TRUE(Ended());
    EXPECT_EQ(endings, std::vector<std::string>{"set -105 busy 0"});
    QTest::qWait(50);
    EXPECT_EQ(PdusLogged("GETNEXT"), 0);

    // Blocking, the same failure does read the table again.
    req->Mode = 0;
    EXPECT_FALSE(req->Set(true, false));
    EXPECT_EQ(PdusLogged("GETNEXT"), 1); // the read fails at its first step
}

TEST_F(DriverTest, ExceptionWhileShowingAWalkedRowEndsTheRead) {
    req = std::make_unique<NxSNMPRequest2Edits>(&form);
    req->Request.VarList = NxSNMPVarList(kStations, MVT_FMV, 1);
    TCheckBox plain(&form);
    req->BindCheckBox(1, &plain); // a display string cannot check a box
    bool ended = false;
    req->OnEndingGet = [&](NxSNMPRequest2Controls*, NxSNMPError*) { ended = true; };
    TStatusBar bar(&form);
    req->SetStatusBar(&bar);

    EXPECT_TRUE(req->Get());
    ASSERT_TRUE(WaitUntil([&] { return req->Busy == 0; }));
    QTest::qWait(50);
    EXPECT_FALSE(ended);
    EXPECT_EQ(bar.SimpleText().rfind(std::string("Get: ") + kBadSyntax + ". Receive at ", 0), 0u)
        << bar.SimpleText();
    EXPECT_EQ(PdusLogged("GETNEXT"), 1); // the walk went no further

    // Without a status target the library's box says it.
    req->SetStatusBar(nullptr);
    EXPECT_TRUE(req->Get());
    ASSERT_TRUE(WaitUntil([&] { return !rec.Boxes.empty(); }));
    EXPECT_EQ(req->Busy, 0);
    EXPECT_EQ(rec.Boxes[0].Text, kBadSyntax);
    EXPECT_EQ(rec.Boxes[0].Caption, ProgramFileName());
    EXPECT_FALSE(ended);
}

TEST_F(DriverTest, ClosingWithAReadOutstandingDropsItsAnswer) {
    sim->Command("delay 300");
    EXPECT_TRUE(req->Get());
    req.reset(); // waits for the answer, which must not reach the half-destroyed driver
    EXPECT_TRUE(endings.empty());
    sim->Command("delay 0");
}

} // namespace
