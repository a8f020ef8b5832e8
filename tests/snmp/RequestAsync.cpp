// Asynchronous reads and writes completing from the event pump, failed sends, and the
// request's end while answers are outstanding.
#include "library/snmp/SnmpEventProcessor.h"
#include "platform/Exception.h"
#include "snmpengine/SnmpStatus.h"
#include "tests/snmp/RequestFixture.h"
#include "tests/support/FreePort.h"

using namespace requesttest;

namespace {

class AsyncTest : public VersionTest {};

struct Completions {
    int Count = 0;
    int32_t Code = 1;
    std::string Message;
    bool EndOfWalk = false;
    NxSNMPDevice From;
    std::vector<std::string> Rows;
    NxSNMPRequest* Next = nullptr; // walks on from the completion when set
};

void Record(void* context, NxSNMPError* result, NxSNMPVarList* list) {
    auto& seen = *static_cast<Completions*>(context);
    ++seen.Count;
    seen.Code = result->Code;
    seen.Message = result->Message;
    seen.EndOfWalk = result->EndOfWalk != 0;
    seen.From = result->Device;
    if (!result->EndOfWalk || list->ItemType == SVT_SV)
        seen.Rows.push_back(RowsText(*list));
    if (seen.Next && !result->EndOfWalk && result->Code == 0)
        seen.Next->GetAsync(Record, context, false);
}

} // namespace

TEST_P(AsyncTest, GetAndWalkCompleteFromThePump) {
    auto request = Request(Scalars, SVT_SV, 0, GetParam());
    Completions seen;
    request->GetAsync(Record, &seen, true);
    EXPECT_EQ(seen.Count, 0);
    EXPECT_EQ(request->Outstanding, 1);
    ASSERT_TRUE(PumpUntil([&] { return seen.Count > 0; }));
    EXPECT_EQ(seen.Code, 0);
    EXPECT_TRUE(seen.EndOfWalk);
    EXPECT_EQ(seen.From.Address, "127.0.0.1");
    EXPECT_EQ(seen.From.Port, sim->Port());
    EXPECT_EQ(RowsText(request->VarList).substr(0, 13), "alpha -42 10.");
    EXPECT_EQ(request->Outstanding, 0);

    auto walk = Request(TableRows, MVT_FMV, 2, GetParam());
    Completions steps;
    steps.Next = walk.get();
    walk->GetAsync(Record, &steps, true);
    ASSERT_TRUE(PumpUntil([&] { return steps.EndOfWalk; }));
    EXPECT_EQ(steps.Code, 0);
    EXPECT_EQ(steps.Rows, TableText);
    EXPECT_EQ(steps.Count, 5);
    EXPECT_EQ(walk->Outstanding, 0);
}

TEST_P(AsyncTest, WalkIntoTheEndOfTheViewEndsWithSuccess) {
    // With two columns, one leaves the table while the other ends the agent's view.
    const struct {
        const VarDef* Table;
        std::vector<std::string> Rows;
    } cases[] = {{LastRows, {"1 7", "2 8"}}, {LastTwoColumns, {"1 5 7", "2 6 8"}}};
    for (const auto& c : cases) {
        auto walk = Request(c.Table, MVT_FMV, 1, GetParam(), "");
        Completions steps;
        steps.Next = walk.get();
        walk->GetAsync(Record, &steps, true);
        ASSERT_TRUE(PumpUntil([&] { return steps.EndOfWalk; }));
        EXPECT_EQ(steps.Code, 0) << steps.Message;
        EXPECT_EQ(steps.Message, "(NxSNMP++) Ok!");
        EXPECT_EQ(steps.Rows, c.Rows);
        EXPECT_EQ(walk->ErrorCount, 0);

        std::vector<std::string> rows;
        bool ok = true;
        for (bool first = true; rows.size() < 5 && walk->Get(ok, first); first = false)
            rows.push_back(RowsText(walk->VarList));
        EXPECT_EQ(rows, c.Rows);
        EXPECT_TRUE(ok);
        EXPECT_EQ(walk->ErrorCount, 0);
    }
}

TEST_P(AsyncTest, SetSendsAtOnceAndCompletesLater) {
    auto request = Request(Scalars, SVT_SV, 0, GetParam());
    Completions seen;
    const std::vector<std::string> values = {"31"};
    request->SetAsync(Record, &seen, false, "1", &values);
    // The rows are back as they were before the answer comes.
    EXPECT_EQ(*request->VarList.GetRow(1)->Value, "");
    EXPECT_EQ(request->VarList.GetRow(0)->Access, static_cast<uint32_t>(ACC_READWRITE));
    ASSERT_TRUE(PumpUntil([&] { return seen.Count > 0; }));
    EXPECT_EQ(seen.Code, 0);
    EXPECT_TRUE(seen.EndOfWalk);
    EXPECT_EQ(*request->VarList.GetRow(1)->Value, "");
    ASSERT_EQ(Logged("SET").size(), 1u);
    EXPECT_EQ(Logged("SET")[0].value, "31");
}

INSTANTIATE_TEST_SUITE_P(Versions, AsyncTest, ::testing::Values(V1, V2c, V3ShaAes), VersionName);

TEST_F(RequestTest, AsyncTimeOutEndsTheOperation) {
    auto request = Request(Scalars, SVT_SV, 0, V2c);
    request->TimeOut = 20;
    request->Retries = 0;
    sim->Command("silent 2");
    Completions seen;
    request->GetAsync(Record, &seen, true);
    ASSERT_TRUE(PumpUntil([&] { return seen.Count > 0; }));
    EXPECT_EQ(seen.Code, -405);
    EXPECT_TRUE(seen.EndOfWalk);
    EXPECT_EQ(request->Outstanding, 0);
}

TEST_F(RequestTest, SendThatFailsAtOnceStillCompletesAndIsNotOutstanding) {
    auto request = Request(Scalars, SVT_SV, 0, V3Md5Des);
    request->Security.PrivProtocol = 3; // no such protocol: nothing may go out
    static int reports;
    reports = 0;
    request->OnResult = [](NxSNMPError*) { ++reports; };
    Completions seen;
    request->GetAsync(Record, &seen, true);
    EXPECT_EQ(seen.Count, 0); // never from inside the call
    EXPECT_EQ(request->Outstanding, 0);
    EXPECT_EQ(request->ErrorCount, 1);
    EXPECT_EQ(reports, 1);
    ASSERT_TRUE(PumpUntil([&] { return seen.Count > 0; }));
    int32_t code = 0;
    std::string message;
    MapSnmpStatus(SnmpStatus::UsmUnsupportedPrivProtocol, code, message);
    EXPECT_EQ(seen.Code, code);
    EXPECT_EQ(seen.Message, message);
    EXPECT_TRUE(seen.EndOfWalk);

    Completions write;
    request->SetAsync(Record, &write, false, "", nullptr);
    ASSERT_TRUE(PumpUntil([&] { return write.Count > 0; }));
    EXPECT_EQ(write.Code, code);
    EXPECT_TRUE(Logged("GET").empty() && Logged("SET").empty());

    // A failed send left nothing to wait for, and its completion dies with the request.
    Completions dropped;
    request->GetAsync(Record, &dropped, true);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_LT(clock.elapsed(), 500);
    PumpFor(100);
    EXPECT_EQ(dropped.Count, 0);
}

TEST_F(RequestTest, DestructorWaitsForAnOutstandingRead) {
    auto request = Request(Scalars, SVT_SV, 0, V2c);
    sim->Command("delay 400");
    Completions seen;
    request->GetAsync(Record, &seen, true);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(seen.Count, 1);
    EXPECT_EQ(seen.Code, 0);
}

TEST_F(RequestTest, AnswerLaterThanTheDestructorsWaitIsDropped) {
    auto request = Request(Scalars, SVT_SV, 0, V2c);
    request->TimeOut = 1500; // the engine keeps waiting after the request is gone
    sim->Command("delay 6600");
    Completions seen;
    request->GetAsync(Record, &seen, true);
    QElapsedTimer clock;
    clock.start();
    request.reset();
    EXPECT_GE(clock.elapsed(), 5900);
    PumpFor(1200);
    EXPECT_EQ(seen.Count, 0);
}

// A form's requests go together: however many answers are owed, they share one wait.
TEST_F(RequestTest, RequestsDestroyedTogetherShareOneWait) {
    std::vector<std::unique_ptr<NxSNMPRequest>> requests;
    Completions seen;
    sim->Command("silent 30");
    for (int i = 0; i < 3; ++i) {
        requests.push_back(Request(Scalars, SVT_SV, 0, V2c));
        requests.back()->TimeOut = 1500; // longer than the wait: every answer is still owed
        requests.back()->GetAsync(Record, &seen, true);
        ASSERT_EQ(requests.back()->Outstanding, 1);
    }
    QElapsedTimer clock;
    clock.start();
    {
        const NxSNMPSharedCloseWait wait;
        requests.clear();
    }
    EXPECT_GE(clock.elapsed(), 5900);
    EXPECT_LT(clock.elapsed(), 2 * 6000); // one wait per request would take three
    EXPECT_EQ(seen.Count, 0);
}

TEST_F(RequestTest, RequestDestroyedByItsOwnCompletionDoesNotWait) {
    struct Owner {
        std::unique_ptr<NxSNMPRequest> Request;
        int Count = 0;
    } owner;
    owner.Request = Request(Scalars, SVT_SV, 0, V2c);
    owner.Request->GetAsync(
        [](void* context, NxSNMPError*, NxSNMPVarList*) {
            auto& o = *static_cast<Owner*>(context);
            ++o.Count;
            o.Request.reset();
        },
        &owner, true);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(PumpUntil([&] { return owner.Count > 0; }));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(owner.Request, nullptr);
}

TEST_F(RequestTest, AnswerThatCannotBeTakenEndsWithItsFailure) {
    // Two key columns but a one-part index: the keys cannot be decoded.
    auto walk = Request(LastRows, MVT_FMV, 2, V2c, "");
    bool ok = true;
    try {
        walk->Get(ok, true);
        ADD_FAILURE() << "a short index was taken";
    } catch (const Exception& raised) {
        EXPECT_EQ(raised.HelpContext, -514);
    }
    Completions seen;
    walk->GetAsync(Record, &seen, true);
    ASSERT_TRUE(PumpUntil([&] { return seen.Count > 0; }));
    EXPECT_EQ(seen.Code, -514);
    EXPECT_EQ(seen.Message, "(NxSNMP++) Bad key count of SNMP variable list!");
    EXPECT_TRUE(seen.EndOfWalk);
    EXPECT_EQ(walk->Outstanding, 0);
}

TEST_F(RequestTest, RefusedTableWriteAtTheWalkedRowKeepsItsFailureUnderV1) {
    auto walk = Request(TableRows, MVT_FMV, 2, V1);
    bool ok = true;
    for (bool first = true; walk->Get(ok, first); first = false) {
    }
    ASSERT_TRUE(ok);
    *walk->VarList.GetRow(5)->Value = "000000000034"; // "(NOTDONE)" is no MAC to send
    sim->Command("fail " + Base + ".2.1.4.3.4 noSuchName");
    Completions seen;
    walk->SetAsync(Record, &seen, false, "", nullptr);
    ASSERT_TRUE(PumpUntil([&] { return seen.Count > 0; }));
    EXPECT_EQ(seen.Code, -102);
    EXPECT_TRUE(seen.EndOfWalk);
}

TEST_F(RequestTest, LiveV3RequestSurvivesAnotherRequestsFailedDiscovery) {
    auto live = Request(Scalars, SVT_SV, 0, V3Md5Des);
    auto lost = Request(Scalars, SVT_SV, 0, V3Md5Des);
    lost->Device.Port = static_cast<uint16_t>(FreeUdpPort());
    lost->TimeOut = 10;
    lost->Retries = 0;
    for (int round = 0; round < 3; ++round) {
        bool ok = true;
        live->Get(ok, true);
        EXPECT_TRUE(ok) << round << ": " << live->Result.Message;
        Completions seen;
        lost->GetAsync(Record, &seen, true);
        ASSERT_TRUE(PumpUntil([&] { return seen.Count > 0; }));
        EXPECT_EQ(seen.Code, -405);
    }
}

TEST_F(RequestTest, RequestDestroyedInsideAnotherCompletionStillReceivesItsAnswer) {
    struct Owner {
        std::unique_ptr<NxSNMPRequest> Other;
        Completions OtherSeen;
        int Count = 0;
        qint64 Waited = -1;
    } owner;
    owner.Other = Request(Scalars, SVT_SV, 0, V2c);
    auto first = Request(Scalars, SVT_SV, 0, V2c);
    first->GetAsync(
        [](void* context, NxSNMPError*, NxSNMPVarList*) {
            auto& o = *static_cast<Owner*>(context);
            ++o.Count;
            o.Other->GetAsync(Record, &o.OtherSeen, true);
            QElapsedTimer clock;
            clock.start();
            o.Other.reset();
            o.Waited = clock.elapsed();
        },
        &owner, true);
    ASSERT_TRUE(PumpUntil([&] { return owner.Count > 0; }, 10000));
    EXPECT_EQ(owner.OtherSeen.Count, 1);
    EXPECT_EQ(owner.OtherSeen.Code, 0);
    EXPECT_LT(owner.Waited, 3000);
}

TEST_F(RequestTest, AnswersWakeThePumpLongBeforeItsTickAndNeverInsideTheCaller) {
    // With a tick of a minute, only the answers themselves can wake the pump within the guards.
    SnmpEventPump().SetInterval(60000);
    struct RestoreTick {
        ~RestoreTick() { SnmpEventPump().SetInterval(20); }
    } restore;
    auto walk = Request(TableRows, MVT_FMV, 2, V2c);
    Completions steps;
    steps.Next = walk.get();
    walk->GetAsync(Record, &steps, true);
    EXPECT_EQ(steps.Count, 0);
    ASSERT_TRUE(PumpUntil([&] { return steps.EndOfWalk; }, 20000));
    EXPECT_EQ(steps.Rows, TableText);

    // An answer that a blocking call of the same session read on its way is delivered from the
    // event loop too, not from inside that call.
    auto request = Request(Scalars, SVT_SV, 0, V2c);
    Completions seen;
    request->GetAsync(Record, &seen, true);
    bool ok = true;
    Request(Scalars, SVT_SV, 0, V2c)->Get(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(seen.Count, 0);
    ASSERT_TRUE(PumpUntil([&] { return seen.Count > 0; }, 20000));
    EXPECT_EQ(seen.Code, 0);
}
