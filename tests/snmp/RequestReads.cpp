// Blocking reads and walk steps against the simulated device.
#include "library/snmp/NxSNMPValue.h"
#include "platform/Exception.h"
#include "snmpengine/SnmpStatus.h"
#include "tests/snmp/RequestFixture.h"

using namespace requesttest;

namespace {

class ReadTest : public VersionTest {};

std::vector<std::string> WalkAll(NxSNMPRequest& request, bool& ok, int& steps) {
    std::vector<std::string> rows;
    steps = 0;
    bool first = true;
    while (steps < 20) {
        ++steps;
        if (!request.Get(ok, first))
            break;
        first = false;
        rows.push_back(RowsText(request.VarList));
    }
    return rows;
}

int32_t CodeOf(int engineStatus) {
    int32_t code = 0;
    std::string message;
    MapSnmpStatus(engineStatus, code, message);
    return code;
}

} // namespace

TEST_P(ReadTest, ScalarGetReadsEveryReadableRowInOnePdu) {
    auto request = Request(Scalars, SVT_SV, 0, GetParam());
    bool ok = true;
    EXPECT_FALSE(request->Get(ok, true));
    EXPECT_TRUE(ok);
    const std::string big = GetParam().Number == 0 ? "" : "5000000000";
    EXPECT_EQ(RowsText(request->VarList), "alpha -42 10.1.2.3 4000000000 " + TimeTicksText(12345) +
                                              " 0A0B0C " + big + " 1.3.6.1.2.1 00A0B1C2D3E4 ");
    EXPECT_EQ(request->ErrorCount, 0);

    std::vector<std::string> asked;
    for (int i = 0; i < request->VarList.RowCount(); ++i)
        if (request->VarList.IsReadable(i))
            asked.push_back(request->VarList.ColumnOID(i) + ".0");
    const auto gets = Logged("GET");
    ASSERT_EQ(gets.size(), asked.size()); // switched-off rows are left out
    for (size_t i = 0; i < gets.size(); ++i) {
        EXPECT_EQ(gets[i].oid, asked[i]);
        EXPECT_EQ(gets[i].pduNumber, gets[0].pduNumber);
        EXPECT_EQ(gets[i].version, GetParam().Number == 3 ? "v3" : GetParam().Name);
    }
}

TEST_P(ReadTest, WalkReadsOneTableRowPerStepAndMarksMissingEntries) {
    auto request = Request(TableRows, MVT_FMV, 2, GetParam());
    bool ok = true;
    int steps = 0;
    EXPECT_EQ(WalkAll(*request, ok, steps), TableText);
    EXPECT_EQ(steps, 5);
    EXPECT_TRUE(ok);
    EXPECT_EQ(request->ErrorCount, 0);
    // The key columns are never asked for.
    for (const DevSimLogLine& line : Logged("GETNEXT"))
        EXPECT_TRUE(line.oid.rfind(Base + ".2.1.1", 0) != 0 && line.oid.rfind(Base + ".2.1.2.", 0) != 0)
            << line.oid;

    // A read from the start begins again at the first table row.
    EXPECT_TRUE(request->Get(ok, true));
    EXPECT_EQ(RowsText(request->VarList), TableText[0]);
}

TEST_P(ReadTest, WalkIntoTheEndOfTheViewEndsWithoutFailure) {
    auto request = Request(LastRows, MVT_FMV, 1, GetParam(), "");
    bool ok = true;
    int steps = 0;
    EXPECT_EQ(WalkAll(*request, ok, steps), (std::vector<std::string>{"1 7", "2 8"}));
    EXPECT_EQ(steps, 3);
    EXPECT_TRUE(ok);
    EXPECT_EQ(request->ErrorCount, 0);
}

TEST_P(ReadTest, TimeOutIsReportedAndTheSentBindingsAreStillTaken) {
    auto request = Request(Scalars, SVT_SV, 0, GetParam());
    sim->Command("silent 3");
    request->TimeOut = 30;
    request->Retries = 0;
    static int reports;
    static int32_t reported;
    reports = 0;
    request->OnResult = [](NxSNMPError* result) {
        ++reports;
        reported = result->Code;
    };
    for (int i = 0; i < request->VarList.RowCount(); ++i)
        *request->VarList.GetRow(i)->Value = "old";
    bool ok = true;
    EXPECT_FALSE(request->Get(ok, true));
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->ErrorCount, 1);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(reported, -405);
    EXPECT_EQ(request->Result.Code, -405);
    EXPECT_EQ(request->Result.Message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(request->Result.ErrorCount, 1);
    // The unanswered bindings carry no values: empty for octet kinds, "(NULL)" for the others.
    const std::string big = GetParam().Number == 0 ? "old" : "(NULL)";
    EXPECT_EQ(RowsText(request->VarList), " (NULL) (NULL) (NULL) (NULL)  " + big + " (NULL)  old");
}

INSTANTIATE_TEST_SUITE_P(Versions, ReadTest, ::testing::Values(V1, V2c, V3Md5Des, V3ShaAes), VersionName);

TEST_F(RequestTest, RealFailuresGiveTheirLibraryCodes) {
    auto request = Request(Scalars, SVT_SV, 0, V2c);
    request->TimeOut = 30;
    request->Retries = 0;
    bool ok = true;

    request->Security.ReadCommunity = "wrong";
    request->Get(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Result.Code, -405);

    Aim(*request, V3Md5Des);
    request->Security.AuthPassword = "wrongpass";
    ok = true;
    request->Get(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Result.Code, CodeOf(SnmpStatus::UsmAuthenticationFailure));
    EXPECT_EQ(request->Result.Message, SnmpMessage(request->Result.Code));

    Aim(*request, V3Md5Des);
    request->Security.SecurityName = "nobody";
    ok = true;
    request->Get(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Result.Code, CodeOf(SnmpStatus::UsmUnknownSecurityName));

    Aim(*request, V2c);
    request->Device.Port = static_cast<uint16_t>(sim->Port());
    sim->Stop();
    ok = true;
    request->Get(ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Result.Code, -405);
    EXPECT_EQ(request->ErrorCount, 4);
}

TEST_F(RequestTest, MissingScalarIsNoSuchNameAndSetUpFailuresRaise) {
    static const VarDef missing[] = {Row("1.1", "name", SYN_DISPLAYSTR, ACC_READWRITE),
                                     Row("1.77", "none", SYN_INTEGER, ACC_READONLY), EndOfRows()};
    auto request = Request(missing, SVT_SV, 0, V2c);
    bool ok = true;
    EXPECT_FALSE(request->Get(ok, true));
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Result.Code, -102);
    EXPECT_EQ(request->Result.ErrorCount, 1);

    try {
        request->Get(ok, false);
        ADD_FAILURE() << "a walk step of single values was sent";
    } catch (const Exception& raised) {
        EXPECT_EQ(raised.HelpContext, -510);
    }
    request->Device.Address = "no.such.host.invalid";
    try {
        request->Get(ok, true);
        ADD_FAILURE() << "a bad address was sent to";
    } catch (const Exception& raised) {
        EXPECT_EQ(raised.HelpContext, -509);
        EXPECT_EQ(raised.Message, "(NxSNMP++) Invalid IP Address or DNS name!");
    }
}

TEST_F(RequestTest, GetNextFlagReadsTheFollowingObjects) {
    static const VarDef next[] = {Row("1.1.0", "name", SYN_INTEGER, ACC_READONLY), EndOfRows()};
    auto request = Request(next, MVT_SV, 0, V2c);
    request->GetNext = true;
    bool ok = true;
    EXPECT_FALSE(request->Get(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(*request->VarList.GetRow(0)->Value, "-42");
    ASSERT_EQ(Logged("GETNEXT").size(), 1u);

    sim->ClearLog();
    request->GetNext = false;
    static const VarDef same[] = {Row("1.2.0", "level", SYN_INTEGER, ACC_READONLY), EndOfRows()};
    request->VarList = NxSNMPVarList(same, MVT_SV, 0);
    EXPECT_FALSE(request->Get(ok, true));
    EXPECT_EQ(*request->VarList.GetRow(0)->Value, "-42");
    ASSERT_EQ(Logged("GET").size(), 1u);
}
