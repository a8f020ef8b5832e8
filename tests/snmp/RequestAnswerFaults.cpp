// Answers that do not answer the request: a walk that does not go forward, fewer bindings than
// were asked for. Served by a loopback agent that answers as told, blocking and asynchronous.
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "tests/snmp/LoopbackAgent.h"
#include "tests/snmp/RequestFixture.h"

using namespace requesttest;

namespace {

const std::string Table = "1.3.6.1.4.1.48113.11.37.98.1";
const std::vector<uint32_t> Column = AgentOid(Table + ".2");

// key (from the index) and two value columns of one table.
const VarDef WalkRows[] = {Row("1", "key", SYN_INTEGER, ACC_NOTACCESS),
                           Row("2", "first", SYN_INTEGER, ACC_READONLY),
                           Row("3", "second", SYN_INTEGER, ACC_READONLY), EndOfRows()};
const VarDef TwoScalars[] = {Row("1.3.6.1.4.1.48113.11.37.98.2.1", "a", SYN_INTEGER, ACC_READWRITE),
                             Row("1.3.6.1.4.1.48113.11.37.98.2.2", "b", SYN_INTEGER, ACC_READWRITE),
                             EndOfRows()};

std::vector<uint32_t> Child(std::vector<uint32_t> head, uint32_t id) {
    head.push_back(id);
    return head;
}

AgentBinding Integer(const std::vector<uint32_t>& oid) {
    return AgentBinding{oid, 0x02, oid.back() * 10u, {}};
}

// The next OID a faulty agent names after the one asked, for any column.
using NextOf = std::function<std::vector<uint32_t>(const std::vector<uint32_t>& asked)>;

struct WalkCase {
    const char* Name;
    NextOf Next;
    size_t Keep;    // bindings answered at most
    int RowsBefore; // table rows delivered before the walk fails
};

std::vector<uint32_t> ColumnOf(const std::vector<uint32_t>& asked) {
    const size_t length = Column.size();
    return std::vector<uint32_t>(asked.begin(),
                                 asked.begin() + static_cast<long>(std::min(asked.size(), length)));
}

const WalkCase WalkCases[] = {
    // Row 1, row 2, then row 1 again, for ever.
    {"AlternatingRows",
     [](const std::vector<uint32_t>& asked) {
         const auto column = ColumnOf(asked);
         return Child(column, asked.size() == column.size() || asked.back() == 2 ? 1 : 2);
     },
     100, 2},
    // The agent names the OID asked for, with a value.
    {"SameOid",
     [](const std::vector<uint32_t>& asked) {
         const auto column = ColumnOf(asked);
         return asked.size() == column.size() ? Child(column, 1) : asked;
     },
     100, 1},
    // Back to an object before the table.
    {"BeforeTheTable",
     [](const std::vector<uint32_t>& asked) {
         const auto column = ColumnOf(asked);
         return asked.size() == column.size() ? Child(column, 1) : AgentOid("1.3.6.1.2.1.1.1.0");
     },
     100, 1},
    // One binding for the two columns asked.
    {"ShortAnswer",
     [](const std::vector<uint32_t>& asked) {
         const auto column = ColumnOf(asked);
         return asked.size() == column.size() ? Child(column, 1) : Child(column, asked.back() + 1);
     },
     1, 0},
};

class WalkFaultTest : public ::testing::TestWithParam<WalkCase> {
  protected:
    void SetUp() override {
        OpenSessionOnce();
        const WalkCase& c = GetParam();
        agent =
            std::make_unique<LoopbackAgent>([c](uint8_t, const std::vector<std::vector<uint32_t>>& asked) {
                std::vector<AgentBinding> answer;
                for (size_t k = 0; k < asked.size() && k < c.Keep; ++k)
                    answer.push_back(Integer(c.Next(asked[k])));
                return answer;
            });
        request = std::make_unique<NxSNMPRequest>();
        request->VarList = NxSNMPVarList(WalkRows, MVT_FMV, 1);
        request->VarList.BaseOID = Table;
        request->Device.Address = "127.0.0.1";
        request->Device.Port = static_cast<uint16_t>(agent->Port());
        request->Security.Version = 1;
        request->Security.ReadCommunity = "public";
    }
    std::unique_ptr<LoopbackAgent> agent;
    std::unique_ptr<NxSNMPRequest> request;
};

constexpr int kStepLimit = 20; // far beyond any case: a walk that gets here never ends

TEST_P(WalkFaultTest, BlockingWalkEndsWithAFailure) {
    bool ok = true;
    int rows = 0;
    for (bool more = request->Get(ok, true); more && rows < kStepLimit; more = request->Get(ok, false))
        ++rows;
    EXPECT_EQ(rows, GetParam().RowsBefore);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Result.Code, SNMP_CLASS_INVALID_PDU);
    EXPECT_EQ(request->Result.Message, "(SNMPClass) Invalid Pdu!");
    EXPECT_EQ(agent->Requests(), GetParam().RowsBefore + 1);
}

struct WalkSeen {
    NxSNMPRequest* Request = nullptr;
    int Rows = 0;
    int Completions = 0;
    int32_t Code = 1;
    bool Ended = false;
};

void WalkOn(void* context, NxSNMPError* result, NxSNMPVarList*) {
    auto& seen = *static_cast<WalkSeen*>(context);
    ++seen.Completions;
    seen.Code = result->Code;
    seen.Ended = result->EndOfWalk != 0;
    if (seen.Ended)
        return;
    ++seen.Rows;
    if (seen.Rows < kStepLimit)
        seen.Request->GetAsync(WalkOn, context, false);
}

TEST_P(WalkFaultTest, AsynchronousWalkEndsWithAFailure) {
    WalkSeen seen;
    seen.Request = request.get();
    request->GetAsync(WalkOn, &seen, true);
    ASSERT_TRUE(PumpUntil([&] { return seen.Ended || seen.Rows >= kStepLimit; }, 20000));
    EXPECT_TRUE(seen.Ended);
    EXPECT_EQ(seen.Rows, GetParam().RowsBefore);
    EXPECT_EQ(seen.Code, SNMP_CLASS_INVALID_PDU);
    EXPECT_EQ(agent->Requests(), GetParam().RowsBefore + 1);
}

INSTANTIATE_TEST_SUITE_P(Agents, WalkFaultTest, ::testing::ValuesIn(WalkCases),
                         [](const ::testing::TestParamInfo<WalkCase>& info) { return info.param.Name; });

// A GET of two objects answered with one binding: no success, and no row takes a value.
class ShortAnswerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenSessionOnce();
        agent = std::make_unique<LoopbackAgent>([](uint8_t, const std::vector<std::vector<uint32_t>>& asked) {
            return std::vector<AgentBinding>{Integer(asked.at(0))};
        });
        request = std::make_unique<NxSNMPRequest>();
        request->VarList = NxSNMPVarList(TwoScalars, SVT_SV, 0);
        request->Device.Address = "127.0.0.1";
        request->Device.Port = static_cast<uint16_t>(agent->Port());
        request->Security.Version = 1;
        request->Security.ReadCommunity = "public";
        for (int i = 0; i < 2; ++i)
            *request->VarList.GetRow(i)->Value = "old";
    }
    std::unique_ptr<LoopbackAgent> agent;
    std::unique_ptr<NxSNMPRequest> request;
};

TEST_F(ShortAnswerTest, BlockingGetFails) {
    bool ok = true;
    EXPECT_FALSE(request->Get(ok, true));
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Result.Code, SNMP_CLASS_INVALID_PDU);
    EXPECT_EQ(request->ErrorCount, 1);
    EXPECT_EQ(RowsText(request->VarList), "old old");
}

// SET answers that do not tell that what was sent was taken, blocking and asynchronous.
struct SetCase {
    const char* Name;
    std::function<std::vector<AgentBinding>(const std::vector<std::vector<uint32_t>>& asked)> Answer;
};
const SetCase SetCases[] = {
    {"OneBindingOfTwo", [](const auto& asked) { return std::vector<AgentBinding>{Integer(asked.at(0))}; }},
    {"Reordered",
     [](const auto& asked) {
         return std::vector<AgentBinding>{Integer(asked.at(1)), Integer(asked.at(0))};
     }},
    {"OtherObjects",
     [](const auto& asked) {
         return std::vector<AgentBinding>{Integer(Child(asked.at(0), 1)), Integer(Child(asked.at(1), 1))};
     }},
};

class SetFaultTest : public ShortAnswerTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(SetFaultTest, WritesFail) {
    const auto answer = GetParam().Answer;
    agent = std::make_unique<LoopbackAgent>(
        [answer](uint8_t, const std::vector<std::vector<uint32_t>>& asked) { return answer(asked); });
    request->Device.Port = static_cast<uint16_t>(agent->Port());
    *request->VarList.GetRow(0)->Value = "5";
    *request->VarList.GetRow(1)->Value = "6";
    for (const bool readBack : {false, true}) {
        bool ok = true;
        request->Set(ok, readBack, "", nullptr);
        EXPECT_FALSE(ok);
        EXPECT_EQ(request->Result.Code, SNMP_CLASS_INVALID_PDU);

        WalkSeen seen;
        request->SetAsync(WalkOn, &seen, readBack, "", nullptr);
        ASSERT_TRUE(PumpUntil([&] { return seen.Completions > 0; }, 20000));
        EXPECT_EQ(seen.Code, SNMP_CLASS_INVALID_PDU);
    }
    EXPECT_EQ(agent->Requests(), 4);
}

INSTANTIATE_TEST_SUITE_P(Answers, SetFaultTest, ::testing::ValuesIn(SetCases),
                         [](const ::testing::TestParamInfo<SetCase>& info) { return info.param.Name; });

TEST_F(ShortAnswerTest, AsynchronousGetFails) {
    WalkSeen seen;
    request->GetAsync(WalkOn, &seen, true);
    ASSERT_TRUE(PumpUntil([&] { return seen.Completions > 0; }, 20000));
    EXPECT_EQ(seen.Code, SNMP_CLASS_INVALID_PDU);
    EXPECT_TRUE(seen.Ended);
    EXPECT_EQ(RowsText(request->VarList), "old old");
}

// GET answers two rows cannot hold (another type or range, other OIDs or order, an after-read step
// that does not convert) fail, blocking and asynchronous, and fill no row; a value of the row's is taken.
struct GetCase {
    const char* Name;
    int32_t Syntax;
    AgentBinding Answer; // its OID: 0 the one asked, 1 the other row's, 2 one below the one asked
    int32_t Code = NXSNMP_BAD_SYNTAX;
    const char* Rows = "old old";
    const char* AfterGet = nullptr;
};
const GetCase GetCases[] = {
    {"CounterForAddress", SYN_IPADDRESS, {{0}, 0x41, 5, {}}},
    {"NullForAddress", SYN_IPADDRESS, {{0}, 0x05, 0, {}}},
    {"ShortStringForAddress", SYN_IPADDRESS, {{0}, 0x04, 0, "abc"}},
    {"FourOctetsForAddress",
     SYN_IPADDRESS,
     {{0}, 0x04, 0, std::string("\x0A\x00\x00\x01", 4)},
     0,
     "10.0.0.1 10.0.0.1"},
    {"ThreeOctetsForMac", SYN_MACADDRESS, {{0}, 0x04, 0, "abc"}},
    {"CounterBeyondInteger", SYN_INTEGER, {{0}, 0x41, 4294967295u, {}}},
    {"IntegerBeyond32Bits", SYN_INTEGER, {{0}, 0x02, 0, std::string("\x00\xFF\xFF\xFF\xFF", 5)}},
    {"GaugeForInteger", SYN_INTEGER, {{0}, 0x42, 7, {}}, 0, "7 7"},
    {"StringForCounter", SYN_COUNTER, {{0}, 0x04, 0, "12"}},
    {"GaugeForCounter", SYN_COUNTER, {{0}, 0x42, 4294967295u, {}}, 0, "4294967295 4294967295"},
    {"IntegerForString", SYN_DISPLAYSTR, {{0}, 0x02, 5, {}}},
    {"StringForOid", SYN_OBJECTID, {{0}, 0x04, 0, "1.3"}},
    {"Reordered", SYN_INTEGER, {{1}, 0x02, 5, {}}, SNMP_CLASS_INVALID_PDU},
    {"OtherOids", SYN_INTEGER, {{2}, 0x02, 5, {}}, SNMP_CLASS_INVALID_PDU},
    {"AfterReadDoesNotConvert", SYN_INTEGER, {{0}, 0x02, 5, {}}, NXSNMP_BAD_SYNTAX, nullptr, "$4294967295"},
};

class GetFaultTest : public ShortAnswerTest, public ::testing::WithParamInterface<GetCase> {};

TEST_P(GetFaultTest, BlockingAndAsynchronous) {
    const GetCase& c = GetParam();
    agent = std::make_unique<LoopbackAgent>([c](uint8_t, const std::vector<std::vector<uint32_t>>& asked) {
        std::vector<AgentBinding> answer(2, c.Answer);
        for (size_t k = 0; k < 2; ++k)
            answer[k].Oid =
                c.Answer.Oid[0] == 2 ? Child(asked[k], 1) : asked[c.Answer.Oid[0] == 1 ? 1 - k : k];
        return answer;
    });
    VarDef rows[] = {TwoScalars[0], TwoScalars[1], EndOfRows()};
    rows[0].Syntax = rows[1].Syntax = c.Syntax;
    rows[1].AfterGet = c.AfterGet;
    request->VarList = NxSNMPVarList(rows, SVT_SV, 0);
    *request->VarList.GetRow(0)->Value = *request->VarList.GetRow(1)->Value = "old";
    request->Device.Port = static_cast<uint16_t>(agent->Port());
    bool ok = true;
    if (c.Rows) { // a blocking read's conversion failure reaches its caller raised
        request->Get(ok, true);
        EXPECT_EQ(ok && request->Result.Code == 0, c.Code == 0);
        EXPECT_EQ(RowsText(request->VarList), c.Rows);
    }
    WalkSeen seen;
    request->GetAsync(WalkOn, &seen, true);
    ASSERT_TRUE(PumpUntil([&] { return seen.Completions > 0; }, 20000));
    EXPECT_EQ(seen.Code, c.Code);
    EXPECT_EQ(c.Rows ? RowsText(request->VarList) : request->Result.Message,
              c.Rows ? c.Rows : "'4294967295' is not a valid integer value");
}

INSTANTIATE_TEST_SUITE_P(Answers, GetFaultTest, ::testing::ValuesIn(GetCases),
                         [](const ::testing::TestParamInfo<GetCase>& info) { return info.param.Name; });

} // namespace

// A column that never ends (row n + 1 follows row n): the driver's walk, blocking or with callbacks,
// shows its bound of rows, asks for one more and ends with the failure of its own.
class EndlessColumnTest : public ::testing::TestWithParam<std::tuple<uint8_t, int>> {};

TEST_P(EndlessColumnTest, WalkStopsAtItsBoundWithTheFailure) {
    OpenSessionOnce();
    LoopbackAgent agent([](uint8_t, const std::vector<std::vector<uint32_t>>& asked) {
        std::vector<AgentBinding> answer;
        for (const auto& oid : asked)
            answer.push_back(Integer(Child(ColumnOf(oid), oid.size() == Column.size() ? 1 : oid.back() + 1)));
        return answer;
    });
    const auto [mode, limit] = GetParam();
    NxSNMPRequest2Edits driver(nullptr);
    driver.Request.VarList = NxSNMPVarList(WalkRows, MVT_UMV, 1);
    driver.Request.VarList.BaseOID = Table;
    driver.Request.Device = {"127.0.0.1", static_cast<uint16_t>(agent.Port())};
    driver.Request.Security.Version = 1;
    driver.Request.Security.ReadCommunity = "public";
    driver.Mode = mode;
    driver.WalkLimit = limit;
    std::vector<int32_t> endings;
    driver.OnEndingGet = [&](NxSNMPRequest2Controls*, NxSNMPError* result) {
        endings.push_back(result->Code);
    };
    EXPECT_EQ(driver.Get(), mode != NxSNMPRequest2Controls::ModeBlocking);
    if (mode != NxSNMPRequest2Controls::ModeBlocking) {
        ASSERT_TRUE(PumpUntil([&] { return !endings.empty(); }, 20000));
        EXPECT_EQ(endings, std::vector<int32_t>{NXSNMP_WALK_TOO_LONG});
    }
    EXPECT_EQ(driver.Busy, 0);
    EXPECT_EQ(driver.RowCount, limit);
    EXPECT_EQ(driver.Request.Result.Message, "(NxSNMP++) Table walk stopped: too many rows!");
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(agent.Requests(), limit + 1);
}

INSTANTIATE_TEST_SUITE_P(Modes, EndlessColumnTest,
                         ::testing::Combine(::testing::Values(NxSNMPRequest2Controls::ModeBlocking,
                                                              NxSNMPRequest2Controls::ModeCallback),
                                            ::testing::Values(1, 30)));
