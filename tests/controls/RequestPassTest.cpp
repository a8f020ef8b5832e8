// A form's pass: after a blocking request timed out, its other blocking requests fail at once.
#include "library/snmp/NxRequestPass.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/NxSNMPStatus.h"
#include "platform/Edit.h"
#include "platform/MessageRecorder.h"
#include "tests/controls/DeviceFixture.h"

#include <QWidget>
#include <memory>
#include <string>

namespace {

const VarDef kSettings[] = {
    Row("1.3.6.1.4.1.99999.1.1", "Name", SYN_DISPLAYSTR, ACC_READWRITE),
    EndOfRows(),
};
const VarDef kStations[] = {
    Row("1.3.6.1.4.1.99999.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS | ACC_HIDDEN),
    Row("1.3.6.1.4.1.99999.2.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE),
    EndOfRows(),
};
const char kTimedOut[] = "(SNMPClass) SNMP request timed out!";

class RequestPassTest : public DeviceFixture {
  protected:
    void SetUp() override {
        DeviceFixture::SetUp();
        first = Make(kSettings, SVT_SV, 0, &form);
        second = Make(kSettings, SVT_SV, 0, &form);
        table = Make(kStations, MVT_UMV, 1, &form);
        first->BindEdits(0, "%s", &name);
    }
    void TearDown() override {
        first.reset();
        second.reset();
        table.reset();
        DeviceFixture::TearDown();
    }
    std::unique_ptr<NxSNMPRequest2Edits> Make(const VarDef* rows, uint8_t kind, int keys, QWidget* owner) {
        auto r = std::make_unique<NxSNMPRequest2Edits>(owner);
        r->Request.VarList = NxSNMPVarList(rows, kind, keys);
        r->Request.TimeOut = 20;
        r->Mode = NxSNMPRequest2Controls::ModeBlocking;
        return r;
    }
    // Every blocking call a pass might make after the first, each of which must fail unsent.
    void ExpectEachRefused(const char* label) {
        name.SetText("layout");
        EXPECT_FALSE(first->Get()) << label;
        EXPECT_EQ(name.Text(), "layout") << label;
        EXPECT_FALSE(second->Set(true, true)) << label;
        EXPECT_FALSE(table->Get()) << label;
        EXPECT_FALSE(table->Set(true, true)) << label;
        EXPECT_EQ(table->Request.Result.Code, SNMP_CLASS_TIMEOUT) << label;
        EXPECT_EQ(table->Request.Result.Message, kTimedOut) << label;
        EXPECT_EQ(table->LastOperation, NxSNMPRequest2Controls::OperationSet) << label;
        EXPECT_EQ(sim->Log().size(), 0u) << label;
    }

    MessageRecorder rec;
    QWidget form;
    TEdit name{&form};
    std::unique_ptr<NxSNMPRequest2Edits> first, second, table;
};

TEST_F(RequestPassTest, AfterATimeOutThePassSendsNoOtherBlockingRequest) {
    sim->Command("silent 60");
    const NxRequestPass::Scope pass(&form);
    EXPECT_FALSE(second->Get());
    EXPECT_EQ(second->Request.Result.Code, SNMP_CLASS_TIMEOUT);
    const int64_t errors = first->Request.ErrorCount;
    sim->ClearLog();
    ExpectEachRefused("silent");
    EXPECT_EQ(first->Request.ErrorCount, errors + 1); // reported like the time-out it stands for
}

// An answer that went astray (dropped) or came back with an error is no reason to stop.
TEST_F(RequestPassTest, ErrorAnswersAndRetriedRequestsDoNotStopThePass) {
    struct Case {
        const char* command;
        int32_t code;
    } cases[] = {{"fail 1.3.6.1.4.1.99999.1.1 genErr", -105}, {"drop 1", 0}};
    for (const Case& c : cases) {
        const NxRequestPass::Scope pass(&form);
        sim->Command(c.command);
        second->Get();
        EXPECT_EQ(second->Request.Result.Code, c.code) << c.command;
        sim->Command("unfail 1.3.6.1.4.1.99999.1.1");
        sim->ClearLog();
        name.SetText("");
        EXPECT_TRUE(first->Get()) << c.command;
        EXPECT_FALSE(name.Text().empty()) << c.command;
        EXPECT_EQ(PdusLogged("GET"), 1) << c.command;
    }
}

TEST_F(RequestPassTest, ALaterOrInnerPassStartsAfreshAndTheOuterOneResumes) {
    sim->Command("drop 2"); // the request and its retry
    {
        const NxRequestPass::Scope outer(&form);
        EXPECT_FALSE(second->Get());
        {
            const NxRequestPass::Scope inner(&form);
            EXPECT_TRUE(first->Get());
        }
        sim->ClearLog();
        ExpectEachRefused("outer pass resumed");
    }
    EXPECT_TRUE(first->Get()); // outside any pass nothing is held
    const NxRequestPass::Scope later(&form);
    EXPECT_TRUE(first->Get());
}

// The rule holds within one form: another window's requests and asynchronous ones go out.
TEST_F(RequestPassTest, OtherFormsAndAsynchronousRequestsAreNotHeld) {
    QWidget other;
    TEdit otherName(&other);
    auto foreign = Make(kSettings, SVT_SV, 0, &other);
    foreign->BindEdits(0, "%s", &otherName);
    sim->Command("drop 2");
    const NxRequestPass::Scope pass(&form);
    const NxRequestPass::Scope otherPass(&other);
    EXPECT_FALSE(second->Get());
    EXPECT_TRUE(foreign->Get());
    EXPECT_FALSE(otherName.Text().empty());

    bool ended = false;
    first->Mode = NxSNMPRequest2Controls::ModeCallback;
    first->OnEndingGet = [&](NxSNMPRequest2Controls*, NxSNMPError* r) { ended = r->Code == 0; };
    first->Get();
    ASSERT_TRUE(WaitUntil([&] { return ended; }));
    EXPECT_FALSE(name.Text().empty());
}

// A window's child control stands for its window: requests owned by a page share its pass.
TEST_F(RequestPassTest, RequestsOwnedByAChildShareTheWindowsPass) {
    QWidget page(&form);
    auto paged = Make(kSettings, SVT_SV, 0, &page);
    sim->Command("silent 60");
    const NxRequestPass::Scope pass(&form);
    EXPECT_FALSE(second->Get());
    sim->ClearLog();
    EXPECT_FALSE(paged->Get());
    EXPECT_EQ(sim->Log().size(), 0u);
}

} // namespace
