// What the user sees of the controls: readable selections, password characters, read-only colour,
// status texts that do not fit, and which button Enter presses.
#include "platform/DialogButtons.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

// Pixels of the row that stand out from the row's own background: its text.
int TextPixels(const QImage& picture, const QRect& row) {
    std::map<QRgb, int> counts;
    for (int y = row.top() + 2; y < row.bottom() - 1; ++y)
        for (int x = row.left() + 2; x < row.right() - 1; ++x)
            ++counts[picture.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (const auto& [colour, n] : counts)
        if (n > most)
            most = n, background = colour;
    const int lightness = QColor(background).lightness();
    int text = 0;
    for (const auto& [colour, n] : counts)
        if (std::abs(QColor(colour).lightness() - lightness) > 80)
            text += n;
    return text;
}

int Distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

TEST(ListView, SelectedRowShowsItsTextFocusedOrNot) {
    for (const bool focused : {false, true}) {
        SCOPED_TRACE(focused ? "focused" : "not focused");
        QWidget window;
        window.resize(320, 140);
        auto* view = new TListView(&window);
        auto* other = new TEdit(&window);
        view->setGeometry(0, 0, 320, 110);
        other->setGeometry(0, 112, 100, 22);
        view->SetReportStyle();
        view->AddColumn("SSID", 120);
        view->AddColumn("Channel", 80);
        for (const char* ssid : {"WWWWWWWW", "MMMMMMMM", "HHHHHHHH"}) {
            const int item = view->AddItem(ssid);
            view->AddSubItem(item, "11");
        }
        ASSERT_TRUE(ShowActive(window));
        view->SetItemIndex(1);
        (focused ? static_cast<QWidget*>(view) : other)->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(view->hasFocus(), focused);

        const QImage picture = view->viewport()->grab().toImage();
        const QRect selected = view->visualItemRect(view->topLevelItem(1)).adjusted(0, 0, 200, 0);
        const QRect plain = view->visualItemRect(view->topLevelItem(0)).adjusted(0, 0, 200, 0);
        const int plainText = TextPixels(picture, plain);
        EXPECT_GT(plainText, 50);
        EXPECT_GT(TextPixels(picture, selected), plainText / 2);
        // The selection has the palette's highlight behind it.
        EXPECT_LT(Distance(picture.pixelColor(selected.left() + 3, selected.top() + 2),
                           view->palette().color(QPalette::Active, QPalette::Highlight)),
                  40);
        // Grid lines stay under the rows.
        EXPECT_LT(Distance(picture.pixelColor(plain.left() + 40, plain.bottom()),
                           view->palette().color(QPalette::Mid)),
                  40);
        EXPECT_TRUE(SaveFormPicture(picture, focused ? "ListViewSelectedFocused" : "ListViewSelected"));
    }
}

// A column sized to its caption, or given a width below it, shows the whole caption.
TEST(ListView, ColumnsShowTheirWholeCaption) {
    QWidget window;
    window.resize(600, 120);
    auto* view = new TListView(&window);
    view->setGeometry(0, 0, 600, 110);
    view->SetReportStyle();
    struct Column {
        const char* caption;
        int width;
    };
    const Column columns[] = {{"Index", 0},
                              {"Current Dynamic Assigned IP", TListView::AutoSizeHeader},
                              {" Channel", 55},
                              {" Signal (%)", 65},
                              {"BSSID", 100}};
    for (const Column& c : columns)
        view->AddColumn(c.caption, c.width);
    window.show();
    QApplication::processEvents();
    const QFontMetrics metrics = view->header()->fontMetrics();
    for (int i = 0; i < view->ColumnCount(); ++i) {
        SCOPED_TRACE(columns[i].caption);
        if (columns[i].width == 0) {
            EXPECT_EQ(view->ColumnWidth(i), 0);
            continue;
        }
        EXPECT_GE(view->ColumnWidth(i), metrics.horizontalAdvance(columns[i].caption) + 8);
        EXPECT_GE(view->ColumnWidth(i), std::max(columns[i].width, 0));
    }
    EXPECT_EQ(view->ColumnWidth(4), 100); // a width that holds its caption stays as given
    EXPECT_TRUE(SaveFormPicture(window, "ListViewCaptions"));
}

TEST(Edit, PasswordShowsStarsAndReadOnlyTakesTheButtonFace) {
    QWidget window;
    auto* password = new TEdit(&window);
    password->setEchoMode(QLineEdit::Password); // as a form's layout sets it
    password->SetText("secret");
    EXPECT_EQ(password->displayText(), "******");
    EXPECT_EQ(password->Text(), "secret");

    auto* edit = new TEdit(&window);
    const QColor windowColour = QApplication::palette().color(QPalette::Base);
    const QColor face = QApplication::palette().color(QPalette::Button);
    ASSERT_NE(windowColour, face);
    EXPECT_EQ(edit->palette().color(QPalette::Base), windowColour);
    // Both ways a form makes an edit read-only: the layout's property and code.
    edit->setReadOnly(true);
    EXPECT_EQ(edit->palette().color(QPalette::Base), face);
    EXPECT_EQ(edit->Color(), clBtnFace);
    edit->SetReadOnly(false);
    EXPECT_EQ(edit->palette().color(QPalette::Base), windowColour);
    EXPECT_EQ(edit->Color(), clWindow);

    password->setGeometry(0, 0, 120, 22);
    edit->setGeometry(0, 26, 120, 22);
    edit->SetText("plain");
    window.resize(130, 52);
    window.show();
    QApplication::processEvents();
    // The stars are drawn: the edit's picture has text in it.
    const QImage picture = password->grab().toImage();
    EXPECT_GT(TextPixels(picture, picture.rect().adjusted(2, 2, -2, -2)), 20);
    EXPECT_TRUE(SaveFormPicture(window, "PasswordEdit"));
}

// The widths are those of the LAN (271), grouping (290) and system (341) forms' bars.
TEST(StatusBar, TextThatDoesNotFitWrapsTheBarGrowsAndTheTooltipHelps) {
    const std::string longText =
        "Get: (SNMPClass) SNMP request timed out! Request:[bGetIPFrom]. Receive at 03:04:05 PM.";
    struct Row {
        int panels;
        int width;
        std::string text;
        bool wraps;
    };
    for (const Row& row :
         {Row{0, 271, "Get OK!", false}, Row{0, 271, longText, true}, Row{0, 290, longText, true},
          Row{0, 341, longText, true}, Row{2, 271, "Get OK!", false}, Row{2, 290, longText, true}}) {
        SCOPED_TRACE(row.text + " panels " + std::to_string(row.panels) + " width " +
                     std::to_string(row.width));
        QWidget window;
        window.setFixedSize(row.width, 60);
        auto* bar = new TStatusBar(&window);
        for (int i = 0; i < row.panels; ++i)
            bar->AddPanel(120);
        bar->setGeometry(0, 41, row.width, 19);
        window.show();
        bar->ShowResult(row.text);
        QApplication::processEvents();
        const QLabel* pane = nullptr;
        for (QLabel* label : bar->findChildren<QLabel*>())
            if (label->isVisible() && label->text() == QString::fromStdString(row.text))
                pane = label;
        ASSERT_NE(pane, nullptr);
        EXPECT_LE(pane->geometry().right(), bar->width());
        // every line in view
        const QRect need =
            pane->fontMetrics().boundingRect(pane->contentsRect(), Qt::TextWordWrap, pane->text());
        EXPECT_LE(need.height(), pane->contentsRect().height());
        EXPECT_LE(need.width(), pane->contentsRect().width());
        EXPECT_LE(bar->geometry().bottom() + 1, window.height());
        EXPECT_EQ(window.width(), row.width);
        EXPECT_EQ(bar->height() > 19, row.wraps);
        EXPECT_EQ(pane->toolTip().toStdString(), row.wraps ? row.text : "");
    }
}

TEST(DialogButtons, EnterPressesOnlyTheLayoutsDefaultButton) {
    for (const bool withDefault : {false, true}) {
        SCOPED_TRACE(withDefault ? "with a default button" : "without one");
        QDialog dialog;
        auto* edit = new TEdit(&dialog);
        auto* apply = new QPushButton("Apply", &dialog);
        auto* close = new QPushButton("Close", &dialog);
        edit->setGeometry(0, 0, 100, 22);
        apply->setGeometry(0, 30, 60, 24);
        close->setGeometry(70, 30, 60, 24);
        if (withDefault)
            close->setDefault(true);
        DefaultButtonOnlyByLayout(dialog);
        int applied = 0, closed = 0;
        QObject::connect(apply, &QPushButton::clicked, [&] { ++applied; });
        QObject::connect(close, &QPushButton::clicked, [&] { ++closed; });
        ASSERT_TRUE(ShowActive(dialog));
        // A button that had the focus does not take Enter either.
        apply->setFocus();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        EXPECT_EQ(applied, 0);
        EXPECT_EQ(closed, withDefault ? 2 : 0);
    }
}

} // namespace
