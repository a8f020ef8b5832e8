#include "library/common/NxEvaluator.h"
#include "platform/DateTime.h"
#include "platform/Exception.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(EvaluateNumber, OperatorsSplitAtTheirFirstOccurrence) {
    EXPECT_DOUBLE_EQ(EvaluateNumber("2+3*4"), 14);
    EXPECT_DOUBLE_EQ(EvaluateNumber("(2+3)*4"), 20);
    EXPECT_DOUBLE_EQ(EvaluateNumber("10-4-3"), 9); // 10-(4-3)
    EXPECT_DOUBLE_EQ(EvaluateNumber("8/2*2"), 16); // the term "8/2" reads as 8
    EXPECT_DOUBLE_EQ(EvaluateNumber("8*4/2"), 16); // 8*(4/2)
    EXPECT_DOUBLE_EQ(EvaluateNumber("-5"), -5);
    EXPECT_DOUBLE_EQ(EvaluateNumber("((1+2)*(3+1))-2"), 10);
    EXPECT_DOUBLE_EQ(EvaluateNumber("(2-5)*3"), -9);
    EXPECT_DOUBLE_EQ(EvaluateNumber(" 7.5kb"), 7.5);
    EXPECT_DOUBLE_EQ(EvaluateNumber(""), 0);
    EXPECT_DOUBLE_EQ(EvaluateNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(EvaluateNumber("(1+2"), 2); // no match: "(1" reads as 0, plus 2
    EXPECT_TRUE(std::isinf(EvaluateNumber("1/0")));
}

TEST(EvaluateNumber, NowIsTheLocalDateTimeNumber) {
    const double before = Now();
    const double now = EvaluateNumber("now");
    EXPECT_GE(now, before);
    EXPECT_LT(now - before, 1.0 / 86400);
    EXPECT_GT(now, 40000); // well past 1999
    EXPECT_NEAR(EvaluateNumber("NOW+1"), before + 1, 1.0 / 86400);
}

TEST(EvaluateLogic, ShortCircuitsAndHonoursTheFirstQuotedPart) {
    EXPECT_TRUE(EvaluateLogic("true|x"));
    EXPECT_FALSE(EvaluateLogic("false&x"));
    EXPECT_TRUE(EvaluateLogic("!false"));
    EXPECT_FALSE(EvaluateLogic("junk!true"));
    EXPECT_THROW(EvaluateLogic("false|x"), Exception);
    EXPECT_TRUE(EvaluateLogic("(false|true)&TRUE"));
    EXPECT_FALSE(EvaluateLogic("true&(1=2)"));
    EXPECT_TRUE(EvaluateLogic("\"a|b\">a"));
    EXPECT_FALSE(EvaluateLogic("\"a|b\"=a"));
    EXPECT_THROW(EvaluateLogic("\"a|b\"=a|b"), Exception); // only the first quoted part is protected
    EXPECT_TRUE(EvaluateLogic("\"(x\"=(x"));
}

TEST(EvaluateComparison, ComparesTextsAfterTrimAndUnquote) {
    EXPECT_TRUE(EvaluateComparison("\"abc\" = abc"));
    EXPECT_TRUE(EvaluateComparison("10<9"));
    EXPECT_TRUE(EvaluateComparison("ab<>abc"));
    EXPECT_TRUE(EvaluateComparison("b>=b"));
    EXPECT_TRUE(EvaluateComparison("a<=b"));
    EXPECT_FALSE(EvaluateComparison("b<=a"));
    EXPECT_TRUE(EvaluateComparison("a<b=c")); // split at "<": "a" < "b=c"
    EXPECT_TRUE(EvaluateComparison("1 > 0"));
    EXPECT_TRUE(EvaluateComparison("now > 1"));
    EXPECT_TRUE(EvaluateComparison("True"));
    EXPECT_FALSE(EvaluateComparison("FALSE"));
    try {
        EvaluateComparison(" true");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(NxCommon) Bad logic operand!");
        EXPECT_EQ(e.HelpContext, -1);
    }
}

TEST(EvaluatorHelpers, UnquoteAndSplit) {
    EXPECT_EQ(Unquote(""), "");
    EXPECT_EQ(Unquote("\"\""), "");
    EXPECT_EQ(Unquote("\"x y\""), "x y");
    EXPECT_EQ(Unquote("\""), "\"");
    EXPECT_EQ(Unquote("\"x"), "\"x");
    std::string left = "L", right = "R";
    EXPECT_EQ(SplitAtOperator({"<>", "="}, "a=b<>c", left, right), 0);
    EXPECT_EQ(left, "a=b");
    EXPECT_EQ(right, "c");
    left = "L";
    EXPECT_EQ(SplitAtOperator({"&"}, "abc", left, right), -1);
    EXPECT_EQ(left, "L");
}

} // namespace
