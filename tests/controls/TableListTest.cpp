// Tables walked into a list view: blocking and with completions, selection filling the bound
// edits, and the numbered list that leaves out free entries.
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageRecorder.h"
#include "tests/controls/DeviceFixture.h"
#include "tests/support/ActiveWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>
#include <functional>

#include <QVBoxLayout>

namespace {

const VarDef kStations[] = {
    Row("1.3.6.1.4.1.99999.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS | ACC_HIDDEN),
    Row("1.3.6.1.4.1.99999.2.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE),
    Row("1.3.6.1.4.1.99999.2.1.3", "MAC", SYN_MACADDRESS, ACC_READWRITE),
    EndOfRows(),
};

const VarDef kEntries[] = {
    Row("1.3.6.1.4.1.99999.3.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS | ACC_HIDDEN),
    Row("1.3.6.1.4.1.99999.3.1.2", "Value", SYN_INTEGER, ACC_READWRITE),
    Row("1.3.6.1.4.1.99999.3.1.3", "Label", SYN_DISPLAYSTR, ACC_READWRITE),
    EndOfRows(),
};

// Calls back for every event of one type that reaches an object.
struct EventTap : QObject {
    EventTap(QObject* target, QEvent::Type type, std::function<void()> seen)
        : Type(type), Seen(std::move(seen)) {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == Type ? (Seen(), false) : false; }
    QEvent::Type Type;
    std::function<void()> Seen;
};

// Counts the driver's calls of the answer display.
class CountingEdits : public NxSNMPRequest2Edits {
  public:
    using NxSNMPRequest2Edits::NxSNMPRequest2Edits;
    int Shown = 0;
    bool Showing = false;
    std::function<void()> OnFirstRow;

  protected:
    void ShowValues() override {
        if (++Shown == 1 && OnFirstRow)
            OnFirstRow();
        Showing = true;
        NxSNMPRequest2Edits::ShowValues();
        Showing = false;
    }
};

class TableListTest : public DeviceFixture {
  protected:
    void SetUp() override {
        DeviceFixture::SetUp();
        auto* layout = new QVBoxLayout(&form);
        view = new TListView(&form);
        name = new TEdit(&form);
        macEdit = new TEdit(&form);
        layout->addWidget(view);
        layout->addWidget(name);
        layout->addWidget(macEdit);
        req = std::make_unique<CountingEdits>(&form);
        req->Request.VarList = NxSNMPVarList(kStations, MVT_FMV, 1);
        req->BindEdits(1, "%s", name);
        req->BindEdits(2, "%h{l12}", macEdit);
        view->OnSelectItem = [this](QObject*, int item, bool selected) {
            if (selected)
                selectionsSeen.push_back(item);
        };
        req->AttachListView(view, true);
        req->OnAfterGet = [this] { ++afterGets; };
        form.show();
    }
    void TearDown() override {
        req.reset();
        DeviceFixture::TearDown();
    }
    void ExpectThreeStations() {
        EXPECT_EQ(req->Shown, 3);
        EXPECT_EQ(afterGets, 1);
        EXPECT_EQ(req->RowCount, 3);
        ASSERT_EQ(view->ItemCount(), 3);
        EXPECT_EQ(view->ItemCaption(0), "1");
        EXPECT_EQ(view->SubItem(1, 0), "beta");
        EXPECT_EQ(view->SubItem(2, 1), "0000000000C3");
        EXPECT_FALSE(name->isEnabled()); // nothing chosen yet in a read-only table
        EXPECT_FALSE(macEdit->isEnabled());
    }

    MessageRecorder rec;
    QWidget form;
    TListView* view = nullptr;
    TEdit* name = nullptr;
    TEdit* macEdit = nullptr;
    std::unique_ptr<CountingEdits> req;
    int afterGets = 0;
    std::vector<int> selectionsSeen;
};

TEST_F(TableListTest, ColumnsHideTheIndex) {
    ASSERT_EQ(view->ColumnCount(), 3);
    EXPECT_EQ(view->ColumnCaption(0), "Index");
    EXPECT_EQ(view->ColumnWidth(0), 0);
    EXPECT_EQ(view->ColumnCaption(1), "Name");
    EXPECT_EQ(view->ColumnCaption(2), "MAC");
    EXPECT_GT(view->ColumnWidth(1), 0);
}

TEST_F(TableListTest, BlockingWalkFillsTheListAndSelectionFillsTheEdits) {
    req->Mode = 0;
    EXPECT_TRUE(req->Get());
    EXPECT_EQ(req->Busy, 0);
    ExpectThreeStations();

    view->SetItemIndex(1);
    ASSERT_EQ(selectionsSeen, std::vector<int>{1}); // the view's own handler still runs
    EXPECT_TRUE(name->isEnabled());
    EXPECT_TRUE(macEdit->isEnabled());
    EXPECT_EQ(name->Text(), "beta");
    EXPECT_EQ(macEdit->Text(), "0000000000B2");
    EXPECT_EQ(req->Changed, 0);

    // A second read empties the list first and disables the edits again.
    req->Shown = 0;
    afterGets = 0;
    EXPECT_TRUE(req->Get());
    ExpectThreeStations();
}

TEST_F(TableListTest, ListAttachedTwiceRunsTheViewsHandlerOnce) {
    req->AttachListView(view, true);
    req->Mode = 0;
    EXPECT_TRUE(req->Get());
    view->SetItemIndex(2);
    EXPECT_EQ(selectionsSeen, std::vector<int>{2});
    EXPECT_EQ(name->Text(), "gamma");
}

TEST_F(TableListTest, WalkWithCompletionsEndsOnce) {
    std::vector<int32_t> endings;
    req->OnEndingGet = [&](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
        EXPECT_EQ(sender, req.get());
        endings.push_back(result->Code);
    };
    EXPECT_TRUE(req->Get());
    EXPECT_EQ(req->Busy, 1);
    ASSERT_TRUE(WaitUntil([&] { return !endings.empty(); }));
    EXPECT_EQ(endings, std::vector<int32_t>{0});
    EXPECT_EQ(req->Busy, 0);
    ExpectThreeStations();
    EXPECT_EQ(PdusLogged("GETNEXT"), 4); // three rows and the step that finds the end

    view->SetItemIndex(2);
    EXPECT_EQ(name->Text(), "gamma");
    EXPECT_TRUE(name->isEnabled());
}

TEST_F(TableListTest, WritingTheSelectedRowReadsTheTableAgain) {
    req->Mode = 0;
    ASSERT_TRUE(req->Get());
    view->SetItemIndex(0);
    name->SetText("ALPHA");
    sim->ClearLog();
    EXPECT_TRUE(req->Set(true, true));
    const std::vector<std::string> expected = {"1.3.6.1.4.1.99999.2.1.2.1=ALPHA",
                                               "1.3.6.1.4.1.99999.2.1.3.1=0000000000A1"};
    EXPECT_EQ(SetsLogged(), expected);
    EXPECT_EQ(view->ItemCount(), 3);
    EXPECT_EQ(view->SubItem(0, 0), "ALPHA");
}

// The user's input given while request code runs (a row's display in a blocking walk or in a
// walk's completion, a request's wait for an owed answer as it is destroyed) is taken only after
// that code has returned: a key, a menu shortcut, a button click and the window manager's close.
TEST_F(TableListTest, InputGivenWhileRequestCodeRunsIsTakenAfterIt) {
    ASSERT_TRUE(ShowActive(form));
    auto* button = new QPushButton("Close", &form);
    auto* action = new QAction(&form);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    form.addAction(action);
    bool inside = false; // request code is on the stack
    std::vector<std::string> taken;
    auto take = [&](const char* what) {
        taken.push_back(what + std::string(inside || req->Showing ? " inside" : ""));
    };
    QObject::connect(button, &QPushButton::clicked, [&] { take("click"); });
    QObject::connect(action, &QAction::triggered, [&] { take("menu"); });
    EventTap keys(&form, QEvent::KeyPress, [&] { take("key"); });
    EventTap closes(form.windowHandle(), QEvent::Close, [&] { take("close"); });
    auto give = [&] {
        QCoreApplication::postEvent(&form, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        QCoreApplication::postEvent(&form, new QKeyEvent(QEvent::KeyPress, Qt::Key_M, Qt::ControlModifier));
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(button,
                                        new QMouseEvent(type, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(form.windowHandle(), new QCloseEvent());
    };
    for (const int mode : {0, 1, 2}) { // a blocking walk, a walk's completions, a request's end
        SCOPED_TRACE(mode);
        ASSERT_TRUE(ShowActive(form));
        taken.clear();
        req->Shown = 0;
        req->Mode = mode == 0 ? 0 : 1;
        req->OnFirstRow = [&] { give(), inside = mode == 0; };
        if (mode == 2) {
            sim->Command("delay 300");
            req->OnFirstRow = nullptr;
            ASSERT_TRUE(req->Get());
            give();
            inside = true;
            req = std::make_unique<CountingEdits>(&form); // the old one waits for its owed answer
        } else {
            req->Get();
        }
        inside = false;
        ASSERT_TRUE(WaitUntil([&] { return taken.size() == 4 && !req->Busy; }));
        EXPECT_EQ(taken, (std::vector<std::string>{"key", "menu", "click", "close"}));
    }
}

// The numbered list of a fixed-size table.
class NumberedListTest : public DeviceFixture {
  protected:
    void SetUp() override {
        DeviceFixture::SetUp();
        view = new TListView(&form);
        req = std::make_unique<New_req2Edit>(&form);
        req->Request.VarList = NxSNMPVarList(kEntries, MVT_UMV, 1);
        req->Mode = 0;
        req->BindEdits(2, "%s", &label);
    }
    void TearDown() override {
        req.reset();
        DeviceFixture::TearDown();
    }
    QWidget form;
    TListView* view = nullptr;
    TEdit label{&form};
    std::unique_ptr<New_req2Edit> req;
};

TEST_F(NumberedListTest, FreeEntriesAreLeftOutAndTheRestNumbered) {
    req->AttachListView(view, true);
    ASSERT_TRUE(req->Get());
    ASSERT_EQ(view->ItemCount(), 3);
    const char* captions[] = {"1", "2", "3"};
    const char* values[] = {"11", "33", "55"};
    const char* labels[] = {"one", "three", "five"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(view->ItemCaption(i), captions[i]);
        EXPECT_EQ(view->SubItem(i, 0), values[i]);
        EXPECT_EQ(view->SubItem(i, 1), labels[i]);
    }
    EXPECT_EQ(req->RowCount, 5);    // every walked row was handed on
    EXPECT_TRUE(label.isEnabled()); // a writable table keeps its edits enabled

    // The counter belongs to the form: without a reset the numbering goes on.
    ASSERT_TRUE(req->Get());
    EXPECT_EQ(view->ItemCaption(0), "4");
    req->RowCounter = 1;
    ASSERT_TRUE(req->Get());
    EXPECT_EQ(view->ItemCaption(2), "3");
}

TEST_F(NumberedListTest, WithoutAListTheLastEntryStaysInTheControls) {
    ASSERT_TRUE(req->Get()) << req->Request.Result.Code << " " << req->Request.Result.Message;
    EXPECT_EQ(label.Text(), "five");
}

} // namespace
