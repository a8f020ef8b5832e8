// Blocking writes: row lists, given values, table rows and read-back.
#include "tests/snmp/RequestFixture.h"

using namespace requesttest;

namespace {

class WriteTest : public VersionTest {};

std::string Value(DevSim& sim, const std::string& oid) {
    std::string line = sim.Command("get " + oid);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

} // namespace

TEST_P(WriteTest, RowListSendsOnlyItsRowsWithTheGivenValuesAndKeepsTheOldOnes) {
    auto request = Request(Scalars, SVT_SV, 0, GetParam());
    bool ok = true;
    request->Get(ok, true);
    ASSERT_TRUE(ok);
    request->VarList.GetRow(5)->Access = ACC_READWRITE | ACC_INVALID;
    const std::string before = RowsText(request->VarList);
    sim->ClearLog();

    const std::vector<std::string> values = {"zeta", "10.9.8.7"};
    EXPECT_FALSE(request->Set(ok, false, "0,2", &values));
    EXPECT_TRUE(ok);
    EXPECT_EQ(request->ErrorCount, 0);

    const auto sets = Logged("SET");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].oid, Base + ".1.1.0");
    EXPECT_EQ(sets[0].type, "octetstr");
    EXPECT_EQ(sets[0].value, "zeta");
    EXPECT_EQ(sets[1].oid, Base + ".1.3.0");
    EXPECT_EQ(sets[1].type, "ipaddress");
    EXPECT_EQ(sets[1].value, "10.9.8.7");
    EXPECT_EQ(sets[0].pduNumber, sets[1].pduNumber);

    // The rows hold their old values and flags; the device holds the new ones.
    EXPECT_EQ(RowsText(request->VarList), before);
    EXPECT_EQ(request->VarList.GetRow(1)->Access, static_cast<uint32_t>(ACC_READWRITE));
    EXPECT_EQ(request->VarList.GetRow(5)->Access, static_cast<uint32_t>(ACC_READWRITE | ACC_INVALID));
    EXPECT_EQ(Value(*sim, Base + ".1.1.0"), "value displaystr zeta");
    EXPECT_EQ(Value(*sim, Base + ".1.3.0"), "value ipaddress 10.9.8.7");

    // A listed row that was switched off is sent with its own value; the device lacks it, and
    // the row is switched off again afterwards.
    sim->ClearLog();
    *request->VarList.GetRow(9)->Value = "5";
    EXPECT_FALSE(request->Set(ok, false, "9", nullptr));
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->ErrorCount, 1);
    ASSERT_EQ(Logged("SET").size(), 1u);
    EXPECT_EQ(Logged("SET")[0].oid, Base + ".1.10.0");
    EXPECT_EQ(Logged("SET")[0].value, "5");
    EXPECT_EQ(request->VarList.GetRow(9)->Access, static_cast<uint32_t>(ACC_READWRITE | ACC_INVALID));
}

TEST_P(WriteTest, TableRowWriteGoesToTheRowOfItsKeysWithoutTheKeys) {
    auto request = Request(TableRows, MVT_UMV, 2, GetParam());
    const std::vector<std::string> row = {"2", "1", "renamed", "99", "10.0.0.9", "000000000099"};
    for (size_t i = 0; i < row.size(); ++i)
        *request->VarList.GetRow(static_cast<int>(i))->Value = row[i];
    bool ok = true;
    EXPECT_FALSE(request->Set(ok, false, "", nullptr));
    EXPECT_TRUE(ok) << request->Result.Message;

    const auto sets = Logged("SET");
    ASSERT_EQ(sets.size(), 3u); // the address is read-only
    EXPECT_EQ(sets[0].oid, Base + ".2.1.3.2.1");
    EXPECT_EQ(sets[0].value, "renamed");
    EXPECT_EQ(sets[1].oid, Base + ".2.1.4.2.1");
    EXPECT_EQ(sets[1].value, "99");
    EXPECT_EQ(sets[2].oid, Base + ".2.1.6.2.1");
    EXPECT_EQ(sets[2].value, std::string("\0\0\0\0\0\x99", 6));
    EXPECT_EQ(Value(*sim, Base + ".2.1.4.2.1"), "value integer 99");
    EXPECT_EQ(Value(*sim, Base + ".2.1.4.1.1"), "value integer 11");
}

INSTANTIATE_TEST_SUITE_P(Versions, WriteTest, ::testing::Values(V1, V2c, V3Md5Des), VersionName);

TEST_F(RequestTest, ReadBackTakesTheAnswerAfterTheRowsAreRestored) {
    auto request = Request(Scalars, SVT_SV, 0, V2c);
    bool ok = true;
    request->Get(ok, true);
    const std::vector<std::string> values = {"77"};
    EXPECT_FALSE(request->Set(ok, true, "1", &values));
    EXPECT_TRUE(ok);
    EXPECT_EQ(*request->VarList.GetRow(0)->Value, "alpha");
    EXPECT_EQ(*request->VarList.GetRow(1)->Value, "77");
    EXPECT_EQ(*request->VarList.GetRow(2)->Value, "10.1.2.3");
}

TEST_F(RequestTest, RefusedWriteIsReportedAndChangesNothing) {
    auto request = Request(Scalars, SVT_SV, 0, V2c);
    bool ok = true;
    request->Get(ok, true);
    request->VarList.GetRow(3)->Access = ACC_READWRITE;
    const std::vector<std::string> values = {"12", "7"};
    // The counter is read-only on the device, so the whole PDU is refused.
    EXPECT_FALSE(request->Set(ok, false, "1,3", &values));
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->ErrorCount, 1);
    EXPECT_NE(request->Result.Code, 0);
    EXPECT_EQ(Value(*sim, Base + ".1.2.0"), "value integer -42");
    EXPECT_EQ(*request->VarList.GetRow(1)->Value, "-42");
    EXPECT_EQ(request->VarList.GetRow(3)->Access, static_cast<uint32_t>(ACC_READWRITE));
    EXPECT_EQ(Logged("SET").size(), 2u);
}

TEST_F(RequestTest, DateAndTimeTravelsAsItsElevenOctets) {
    static const VarDef when[] = {Row("1.11", "when", SYN_DATETIME, ACC_READWRITE), EndOfRows()};
    auto request = Request(when, SVT_SV, 0, V2c);
    bool ok = true;
    request->Get(ok, true);
    ASSERT_TRUE(ok);
    EXPECT_EQ(*request->VarList.GetRow(0)->Value, "2026-12-9,5:10:30.0,+5:30");

    const std::vector<std::string> values = {"2027-1-2,3:4:5.6,-1:0"};
    EXPECT_FALSE(request->Set(ok, false, "0", &values));
    EXPECT_TRUE(ok);
    ASSERT_EQ(Logged("SET").size(), 1u);
    EXPECT_EQ(Logged("SET")[0].value, std::string("\x07\xEB\x01\x02\x03\x04\x05\x06-\x01\x00", 11));
}
