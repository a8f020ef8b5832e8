#include "library/common/NxEditConstraint.h"
#include "platform/Edit.h"
#include "platform/Exception.h"
#include "platform/MessageRecorder.h"
#include "tests/support/ActiveWindow.h"

#include <QClipboard>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A form with two edits; the constraint watches the first, the second takes the focus away.
class EditConstraintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&form);
        first = new TEdit(&form);
        second = new TEdit(&form);
        layout->addWidget(first);
        layout->addWidget(second);
        ASSERT_TRUE(ShowActive(form));
        first->setFocus();
    }
    void Bind(const std::string& format) { rules.Add(format, {first}); }
    void Type(const char* keys) { QTest::keyClicks(first, keys); }
    // Leaves the first edit and lets posted focus moves run.
    void Leave() {
        second->setFocus();
        QApplication::processEvents();
    }
    std::string LastBox() const { return rec.Boxes.empty() ? "" : rec.Boxes.back().Text; }

    MessageRecorder rec;
    QWidget form;
    TEdit* first = nullptr;
    TEdit* second = nullptr;
    NxEditConstraint rules{&form, 1};
};

TEST_F(EditConstraintTest, RangeRefusesLettersAndOutOfRangeValues) {
    Bind("%u{n300x18000}");
    Type("3a00");
    EXPECT_EQ(first->Text(), "300");
    ASSERT_EQ(rec.Beeps.size(), 1u);
    EXPECT_EQ(rec.Beeps[0].Frequency, 1000u);
    EXPECT_EQ(rec.Beeps[0].Milliseconds, 200u);
    Leave();
    EXPECT_TRUE(rec.Boxes.empty());

    first->setFocus();
    first->selectAll();
    Type("299");
    Leave();
    ASSERT_EQ(rec.Boxes.size(), 1u);
    EXPECT_EQ(rec.Boxes[0].Caption, "constraint_tests");
    EXPECT_EQ(rec.Boxes[0].Buttons, MB_OK);
    EXPECT_EQ(LastBox(), "(NxCommon) Please enter a number between 300 and 18000!");
    EXPECT_EQ(first->Text(), "300"); // the last accepted text
    EXPECT_TRUE(first->hasFocus());

    first->selectAll();
    Type("18000");
    Leave();
    EXPECT_EQ(rec.Boxes.size(), 1u);
    EXPECT_EQ(first->Text(), "18000");
}

TEST_F(EditConstraintTest, ViolationBeforeAnyPassEmptiesTheEdit) {
    Bind("%u");
    Leave(); // empty without the n flag is fine
    EXPECT_TRUE(rec.Boxes.empty());
    first->setFocus();
    Type("4294967296");
    Leave();
    EXPECT_EQ(LastBox(), "(NxCommon) Please enter a number between 0 and 4294967295!");
    EXPECT_EQ(first->Text(), "");
}

TEST_F(EditConstraintTest, StringLengths) {
    Bind("%s{l8f}");
    EXPECT_EQ(first->MaxLength(), 8);
    Type("abcdefg");
    Leave();
    EXPECT_EQ(LastBox(), "(NxCommon) Please enter a string whose length is 8!");

    TEdit loose(&form);
    rules.Add("%s{l8}", {&loose});
    loose.SetText("123456789"); // code may put in more than may be typed
    rules.OnEditExit(&loose);
    EXPECT_EQ(LastBox(), "(NxCommon) Please enter a string whose length is less than 8!");
    EXPECT_EQ(loose.Text(), "");
    loose.SetText("12345678");
    rules.OnEditExit(&loose);
    EXPECT_EQ(rec.Boxes.size(), 2u);
    rules.OnEditExit(&loose);
    EXPECT_EQ(rec.Boxes.size(), 2u);
}

TEST_F(EditConstraintTest, HexDigitsAndEmptyValue) {
    Bind("%h{l4fn}");
    Type("agB");
    EXPECT_EQ(first->Text(), "aB");
    EXPECT_EQ(rec.Beeps.size(), 1u);
    first->selectAll();
    QTest::keyClick(first, Qt::Key_Delete);
    Leave();
    EXPECT_EQ(LastBox(), "(NxCommon) Empty value is not allowed!");
}

TEST_F(EditConstraintTest, FullEditAndExitCharacterMoveTheFocusOn) {
    Bind("%u{l3a}");
    Type("12");
    QApplication::processEvents();
    EXPECT_TRUE(first->hasFocus());
    Type("3");
    QApplication::processEvents();
    EXPECT_TRUE(second->hasFocus());

    TEdit octet(&form);
    form.layout()->addWidget(&octet);
    rules.Add("%u{e.}", {&octet});
    octet.setFocus();
    QTest::keyClicks(&octet, "19.");
    EXPECT_EQ(octet.Text(), "19");
    QApplication::processEvents();
    EXPECT_FALSE(octet.hasFocus());
    EXPECT_TRUE(rec.Beeps.empty());
}

TEST_F(EditConstraintTest, NumberLists) {
    Bind("%n,{l4f}");
    Type(",1,,2");
    EXPECT_EQ(first->Text(), "1,2");
    EXPECT_EQ(rec.Beeps.size(), 2u);
    Type(",3");
    Leave();
    EXPECT_EQ(LastBox(), "(NxCommon) Please enter a delimited number string with delimiter ','.\n"
                         "Here,the count of the number is equal to 4!");

    TEdit any(&form), ranged(&form), counted(&form);
    rules.Add("%n,%n,{n1x4094}%n-{l2}", {&any, &ranged, &counted});
    any.SetText("0,4294967295");
    rules.OnEditExit(&any);
    EXPECT_EQ(rec.Boxes.size(), 1u);
    ranged.SetText("1,5000");
    rules.OnEditExit(&ranged);
    EXPECT_EQ(LastBox(), "(NxCommon) Please enter a delimited number string with delimiter ','.\n"
                         "Here,each number is between 1 and 4094!");
    ranged.SetText("7,4294967297"); // too large must not wrap into the range
    rules.OnEditExit(&ranged);
    EXPECT_EQ(rec.Boxes.size(), 3u);
    counted.SetText("1-2-3");
    rules.OnEditExit(&counted);
    EXPECT_EQ(LastBox(), "(NxCommon) Please enter a delimited number string with delimiter '-'.\n"
                         "Here,the count of the number is less than 2!");
}

TEST_F(EditConstraintTest, FloatsAndIntegersFilterSignAndPoint) {
    Bind("%f{n-5x5}");
    Type("1-.2.3");
    EXPECT_EQ(first->Text(), "1.23");
    EXPECT_EQ(rec.Beeps.size(), 2u);
    first->SetText("-4.5");
    Leave();
    EXPECT_TRUE(rec.Boxes.empty());

    TEdit i(&form);
    rules.Add("%i", {&i});
    i.SetText("-7x");
    EXPECT_EQ(i.Text(), "-7");
    i.SetText("2147483648");
    rules.OnEditExit(&i);
    EXPECT_EQ(LastBox(), "(NxCommon) Please enter a number between -2147483648 and 2147483647!");
}

TEST_F(EditConstraintTest, ReservedTextsAreNeitherFilteredNorChecked) {
    Bind("%u{n1x5l2fn}");
    for (const char* t : {"(NULL)", "(NOTDONE)"}) {
        first->SetText(t);
        EXPECT_EQ(first->Text(), t);
        rules.OnEditExit(first);
    }
    EXPECT_TRUE(rec.Beeps.empty());
    EXPECT_TRUE(rec.Boxes.empty());
}

TEST_F(EditConstraintTest, OwnHandlersAreChainedBehind) {
    int changes = 0, exits = 0;
    first->OnChange = [&](QObject*) { ++changes; };
    first->OnExit = [&](QObject*) { ++exits; };
    Bind("%u{n1x9l1a}");
    Type("x"); // refused: the form's handler does not see it
    EXPECT_EQ(changes, 0);
    first->Tag = -1; // a handler that keeps the tag at -1 stops the move on
    rules.Find(first)->PrevChange = [&](QObject*) { ++changes; };
    Type("5");
    QApplication::processEvents();
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(first->hasFocus());

    first->Tag = 0;
    first->SetText("0"); // out of range: the form's exit handler is not run
    Leave();
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(first->Text(), "");
    first->setFocus();
    first->SetText("3");
    Leave();
    EXPECT_EQ(exits, 1);
    rules.Find(first)->PrevExit = [&](QObject*) { first->Tag = -1; };
    first->setFocus();
    first->SetText("4");
    Leave();
    EXPECT_EQ(first->Text(), "3"); // tag -1: the saved text comes back and stays
    EXPECT_EQ(rules.Find(first)->SavedText, "3");
}

// A paste is one change, however long: everything refused goes in one step with one beep, and
// the form's own handler sees the cleaned text once.
TEST_F(EditConstraintTest, LongPasteIsFilteredInOneStep) {
    const struct {
        const char* format;
        std::string pasted, expected; // the cleaned text, within the edit's 32767-character ceiling
        bool movesOn;
    } cases[] = {{"%u{n1x4094}", "4" + std::string(100000, 'x'), "4", false},
                 {"%f", "-1.5" + std::string(99990, '.') + "-", "-1.5", false},
                 {"%n,", "," + std::string(20000, ',') + "1,,2", "1,2", false},
                 {"%u{e.}", "1.x" + std::string(20000, '.') + "2", "12", true}};
    for (const auto& k : cases) {
        rec.Beeps.clear();
        TEdit edit(&form);
        form.layout()->addWidget(&edit);
        std::string seen; // each text the form's own handler saw
        edit.OnChange = [&](QObject*) { seen += edit.Text() + "|"; };
        rules.Add(k.format, {&edit});
        edit.setFocus();
        QApplication::clipboard()->setText(QString::fromStdString(k.pasted));
        edit.paste();
        EXPECT_EQ(seen, k.expected + "|") << k.format;
        EXPECT_EQ(rec.Beeps.size(), 1u) << k.format;
        QApplication::processEvents();
        EXPECT_EQ(!edit.hasFocus(), k.movesOn) << k.format;
    }
}

TEST_F(EditConstraintTest, SaveFlagZeroKeepsTheFirstText) {
    NxEditConstraint keep(&form, 0);
    keep.Add("%u{n5x9}", {second});
    second->SetText("7");
    keep.OnEditExit(second);
    second->SetText("1");
    keep.OnEditExit(second);
    EXPECT_EQ(second->Text(), "");
    second->SetText("8");
    keep.SaveText(second);
    second->SetText("2");
    keep.OnEditExit(second);
    EXPECT_EQ(second->Text(), "8");
}

TEST_F(EditConstraintTest, EditsOutliveTheirConstraint) {
    int changes = 0;
    second->OnChange = [&](QObject*) { ++changes; };
    {
        NxEditConstraint gone(&form, 1);
        gone.Add("%u", {second});
    }
    second->SetText("abc");
    second->setFocus();
    first->setFocus();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(second->Text(), "abc");
}

TEST(EditConstraintFormat, FaultsRaiseTheFormatError) {
    MessageRecorder rec;
    TEdit a, b;
    NxEditConstraint rules(nullptr, 1);
    const char* const bad[] = {"%",     "%q",    "u",     "%n",    "%u{",    "%u}",  "%u{}x",   "%u{z1}",
                               "%u{n}", "%u{l}", "%u{w}", "%u{e}", "%s{lq}", "%n,x", "%u{n1 }", "%u{x-}"};
    for (const char* f : bad) {
        try {
            rules.Parse(f, &a);
            ADD_FAILURE() << f;
        } catch (const EConvertError&) {
            EXPECT_STREQ(f, "%u{x-}");
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "(NxCommon) Bad format specifier of edit's constraint!") << f;
            EXPECT_EQ(e.HelpContext, -2);
        }
    }
    EXPECT_THROW(rules.Parse("%u{n1.2.3}", &a), EConvertError);
    EXPECT_THROW(rules.Add("%u%u", {&a}), Exception); // more conversions than edits
    QWidget notAnEdit;
    EXPECT_THROW(rules.Parse("%s", &notAnEdit), Exception);
    EXPECT_THROW(rules.Add("%u%", {&a, &b}), Exception);
}

TEST(EditConstraintFormat, OptionsLandInTheRecord) {
    TEdit a, b, c;
    a.SetText("abcdefghij");
    NxEditConstraint rules(nullptr, 1);
    rules.Add("%s{l4fnaw120}%n:{n-0x.5e/}%u{}", {&a, &b, &c});
    ASSERT_EQ(rules.Count(), 3);
    const _EditConstraint_s* s = rules.Find(&a);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Length, 4);
    EXPECT_EQ(s->LengthFlags, 7);
    EXPECT_EQ(a.width(), 120);
    EXPECT_EQ(a.Text(), "abcdefghij"); // the new limit does not cut
    const _EditConstraint_s* n = rules.Find(&b);
    EXPECT_EQ(n->Conversion, 'n');
    EXPECT_EQ(n->Delimiter, ':');
    EXPECT_EQ(n->Minimum, 0);
    EXPECT_EQ(n->Maximum, 0.5);
    EXPECT_EQ(n->ExitChar, '/');
    EXPECT_EQ(rules.Find(&c)->Maximum, 4294967295.0);
    EXPECT_EQ(rules.Find(nullptr), nullptr);
}

} // namespace
