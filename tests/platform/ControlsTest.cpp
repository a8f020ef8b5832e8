#include "library/common/NxOptionList.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/ControlClass.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/Memo.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "tests/support/ActiveWindow.h"

#include <QRadioButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

const OptionDef kModes[] = {IntOption(1, "Auto"), IntOption(2, "11b"), IntOption(3, "11g"), EndOfOptions()};

TEST(ComboBox, FiresOnlyWhenTheUserChanges) {
    QWidget w;
    auto* combo = new TComboBox(&w);
    new QVBoxLayout(&w);
    w.layout()->addWidget(combo);
    NxOptionList list(kModes, NxOptionList::IntegerKeys, false);
    list.FillComboBox(*combo);
    EXPECT_EQ(combo->GetItemIndex(), -1); // adding items selects none of them
    int changes = 0;
    combo->OnChange = [&](QObject* s) {
        EXPECT_EQ(s, combo);
        ++changes;
    };
    list.SelectComboBox(*combo, "2");
    EXPECT_EQ(combo->GetItemIndex(), 1);
    combo->SetItemIndex(2);
    combo->SetItemIndex(7); // out of range selects nothing
    EXPECT_EQ(combo->GetItemIndex(), -1);
    EXPECT_EQ(changes, 0);

    combo->SetItemIndex(0);
    ASSERT_TRUE(ShowActive(w));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "11b");
    EXPECT_EQ(changes, 1);
}

TEST(CheckBox, FiresOnEveryChangeAlsoFromCode) {
    TCheckBox box;
    int clicks = 0;
    box.OnClick = [&](QObject*) { ++clicks; };
    box.SetChecked(true);
    box.SetChecked(true); // no change, no event
    box.SetChecked(false);
    EXPECT_EQ(clicks, 2);
    box.click();
    EXPECT_EQ(clicks, 3);
    EXPECT_TRUE(box.Checked());
}

TEST(RadioGroup, FilledAndSelectedThroughAnOptionList) {
    TRadioGroup group;
    NxOptionList list(kModes, NxOptionList::IntegerKeys, false);
    list.FillRadioGroup(group);
    ASSERT_EQ(group.ItemCount(), 3);
    EXPECT_EQ(group.ItemText(2), "11g");
    EXPECT_EQ(group.GetItemIndex(), -1);

    std::vector<int> clicked;
    std::vector<int> chosen; // by the user only
    group.OnClick = [&](QObject*) { clicked.push_back(group.GetItemIndex()); };
    QObject::connect(&group, &TRadioGroup::Chosen, [&](int index) { chosen.push_back(index); });
    list.SelectRadioGroup(group, "3");
    EXPECT_EQ(group.GetItemIndex(), 2);
    EXPECT_TRUE(group.Button(2)->isChecked());
    group.Button(0)->click(); // the user
    EXPECT_EQ(clicked, (std::vector<int>{2, 0}));
    EXPECT_EQ(chosen, (std::vector<int>{0}));

    group.SetItemIndex(-1);
    EXPECT_EQ(group.GetItemIndex(), -1);
    EXPECT_FALSE(group.Button(0)->isChecked());
    group.SetItemIndex(0); // checkable again after being cleared
    EXPECT_TRUE(group.Button(0)->isChecked());

    list.FillRadioGroup(group); // refilling starts without a choice
    EXPECT_EQ(group.ItemCount(), 3);
    EXPECT_EQ(group.GetItemIndex(), -1);
}

TEST(ListView, HiddenColumnsAndItemsBeyondTheColumns) {
    TListView view; // never shown: a data store
    view.SetReportStyle();
    view.AddColumn("ifIndex", 0);
    view.AddColumn("SSID", TListView::AutoSizeHeader);
    EXPECT_EQ(view.ColumnCount(), 2);
    EXPECT_EQ(view.ColumnWidth(0), 0);
    EXPECT_GT(view.ColumnWidth(1), 0);
    EXPECT_EQ(view.ColumnCaption(1), "SSID");

    const int row = view.AddItem("1");
    view.AddSubItem(row, "home");
    view.AddSubItem(row, "beyond");
    EXPECT_EQ(view.SubItemCount(row), 2);
    EXPECT_EQ(view.SubItem(row, 1), "beyond");
    EXPECT_EQ(view.SubItem(row, 5), "");
    view.SetSubItem(row, 3, "far");
    EXPECT_EQ(view.SubItemCount(row), 4);
    EXPECT_EQ(view.SubItem(row, 2), "");

    view.AddColumn("Extra", 50); // an added column shows what the items already hold
    EXPECT_EQ(view.topLevelItem(row)->text(2), "beyond");
    view.SetColumnWidth(1, 0);
    EXPECT_TRUE(view.isColumnHidden(1));
    view.SetColumnWidth(1, 40);
    EXPECT_EQ(view.ColumnWidth(1), 40);
}

TEST(ListView, SelectionFromCodeFiresTheEvent) {
    TListView view;
    view.AddColumn("A", 20);
    for (const char* c : {"r0", "r1", "r2"})
        view.AddItem(c);
    std::vector<std::tuple<int, bool>> events;
    view.OnSelectItem = [&](QObject* s, int item, bool selected) {
        EXPECT_EQ(s, &view);
        events.emplace_back(item, selected);
    };
    view.SetItemIndex(1);
    EXPECT_EQ(view.ItemIndex(), 1);
    view.SetItemIndex(2);
    EXPECT_EQ(view.ItemIndex(), 2);
    view.SetItemIndex(-1);
    EXPECT_EQ(view.ItemIndex(), -1);
    const std::vector<std::tuple<int, bool>> want{{1, true}, {1, false}, {2, true}, {2, false}};
    EXPECT_EQ(events, want);
    view.ClearItems();
    EXPECT_EQ(view.ItemCount(), 0);
    EXPECT_EQ(view.ItemIndex(), -1);
}

TEST(StatusBar, ResultGoesToPanelZeroOrTheSimpleText) {
    TStatusBar bar;
    bar.ShowResult("Get OK!");
    EXPECT_EQ(bar.SimpleText(), "Get OK!");

    TStatusBar panels;
    panels.AddPanel(120);
    panels.AddPanel(80);
    panels.ShowResult("Setting Success!");
    EXPECT_EQ(panels.Panel(0)->Text(), "Setting Success!");
    EXPECT_EQ(panels.SimpleText(), "");
    panels.SetSimpleText("simple");
    EXPECT_EQ(panels.Panel(0)->Text(), "Setting Success!");

    // What shows: panels unless SimplePanel is set.
    panels.show();
    const auto labels = panels.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 3);
    EXPECT_FALSE(labels[0]->isVisible());
    EXPECT_TRUE(labels[1]->isVisible());
    panels.SetSimplePanel(true);
    EXPECT_TRUE(labels[0]->isVisible());
    EXPECT_FALSE(labels[1]->isVisible());
}

TEST(Edit, MaxLengthZeroIsNoLimitAndNeverCutsTheText) {
    QWidget w;
    auto* edit = new TEdit(&w);
    std::string longText(40000, 'x');
    edit->SetText(longText.substr(0, 300));
    EXPECT_EQ(edit->Text().size(), 300u);

    edit->SetText("abcdef");
    edit->SetMaxLength(3);
    EXPECT_EQ(edit->Text(), "abcdef");
    EXPECT_EQ(edit->MaxLength(), 3);
    edit->SetText("0123456789"); // code may write more than the user may type
    EXPECT_EQ(edit->Text(), "0123456789");

    ASSERT_TRUE(ShowActive(w));
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, "z");
    EXPECT_EQ(edit->Text(), "0123456789");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, "12345");
    EXPECT_EQ(edit->Text(), "123");

    edit->SetMaxLength(0);
    QTest::keyClicks(edit, "45");
    EXPECT_EQ(edit->Text(), "12345");
}

TEST(Edit, ChangeOnEveryTextExitOnFocusMove) {
    QWidget w;
    auto* layout = new QVBoxLayout(&w);
    auto* a = new TEdit(&w);
    auto* b = new TEdit(&w);
    layout->addWidget(a);
    layout->addWidget(b);
    int changes = 0, exits = 0;
    a->OnChange = [&](QObject*) { ++changes; };
    a->OnExit = [&](QObject* s) {
        EXPECT_EQ(s, a);
        ++exits;
    };
    a->SetText("x");
    EXPECT_EQ(changes, 1);
    ASSERT_TRUE(ShowActive(w));
    a->setFocus();
    QTest::keyClicks(a, "yz");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(exits, 0);
    b->setFocus();
    EXPECT_EQ(exits, 1);

    a->SetReadOnly(true);
    a->SetColor(clBtnFace);
    EXPECT_TRUE(a->ReadOnly());
    EXPECT_EQ(a->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
}

TEST(Edit, UserChangedOnlyByTheUsersEdits) {
    QWidget w;
    auto* edit = new TEdit(&w);
    new QVBoxLayout(&w);
    w.layout()->addWidget(edit);
    ASSERT_TRUE(ShowActive(w));
    edit->SetText("abc");
    EXPECT_FALSE(edit->UserChanged());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_X);
    EXPECT_TRUE(edit->UserChanged());
    // Qt's own flag goes with a new maximum length or text; this one stays.
    edit->SetMaxLength(2);
    edit->SetText("zz");
    edit->setInputMask("");
    EXPECT_TRUE(edit->UserChanged());
    edit->ClearUserChanged();
    EXPECT_FALSE(edit->UserChanged());
}

TEST(Edit, ThrowingHandlerDoesNotUnwindThroughQt) {
    TEdit edit;
    edit.OnChange = [](QObject*) { throw std::runtime_error("handler fault"); };
    edit.SetText("a");
    EXPECT_EQ(edit.Text(), "a");
}

TEST(Memo, AddedLinesGoAtTheEnd) {
    TMemo memo;
    EXPECT_EQ(memo.LineCount(), 0);
    memo.AddLine("Get: failed. Receive at 09:05:07 PM.");
    memo.AddLine("second");
    EXPECT_EQ(memo.LineCount(), 2);
    EXPECT_EQ(memo.Line(0), "Get: failed. Receive at 09:05:07 PM.");
    EXPECT_EQ(memo.Text(), "Get: failed. Receive at 09:05:07 PM.\nsecond");
}

TEST(Timer, EnablingARunningTimerDoesNotRestartIt) {
    TTimer timer;
    int fired = 0;
    timer.SetInterval(300);
    EXPECT_FALSE(timer.Running()); // no handler yet
    timer.SetOnTimer([&](QObject*) { ++fired; });
    EXPECT_TRUE(timer.Running());
    QTest::qWait(150);
    const int before = timer.RemainingTime();
    timer.SetEnabled(true);
    // The tick stays where it was instead of moving a whole interval on.
    EXPECT_LE(timer.RemainingTime(), before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 1; }, 5000));
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
}

TEST(ControlClass, TellsTheControlsApart) {
    TEdit edit;
    TStaticText text;
    TRadioGroup group;
    TStatusBar bar;
    TStatusPanel* panel = bar.AddPanel(10);
    EXPECT_TRUE(IsEdit(&edit));
    EXPECT_FALSE(IsComboBox(&edit));
    EXPECT_TRUE(IsLabel(&text));
    EXPECT_TRUE(IsRadioGroup(&group));
    EXPECT_FALSE(IsCheckBox(&group));
    EXPECT_TRUE(IsStatusBar(&bar));
    EXPECT_FALSE(IsStatusPanel(&bar));
    EXPECT_TRUE(IsStatusPanel(panel));
    EXPECT_FALSE(IsEdit(nullptr));
}

} // namespace
