#include "platform/Edit.h"
#include "platform/Focus.h"
#include "platform/MessageBox.h"
#include "platform/MessageRecorder.h"
#include "tests/support/ActiveWindow.h"

#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

TEST(MessageRecorder, KeepsBoxesAndAnswersAsScripted) {
    MessageRecorder rec;
    rec.Answer(IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "Device will reboot,continue?", "Warning", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "again?", "Waring", MB_OKCANCEL), IDOK); // script used up: default
    LibraryMessageBox(nullptr, "(NxSNMP++) Ok!");
    ShowMessage("Please input  Hexadecimal digits!");
    Beep(1000, 200);

    ASSERT_EQ(rec.Boxes.size(), 4u);
    EXPECT_EQ(rec.Boxes[0].Caption, "Warning");
    EXPECT_EQ(rec.Boxes[0].Buttons, MB_OKCANCEL);
    EXPECT_EQ(rec.Boxes[0].Answer, IDCANCEL);
    EXPECT_EQ(rec.Boxes[1].Caption, "Waring");
    EXPECT_EQ(rec.Boxes[2].Caption, "platform_tests");
    EXPECT_EQ(rec.Boxes[2].Buttons, MB_OK);
    EXPECT_EQ(rec.Boxes[3].Caption, "");
    EXPECT_EQ(rec.Boxes[3].Text, "Please input  Hexadecimal digits!");
    ASSERT_EQ(rec.Beeps.size(), 1u);
    EXPECT_EQ(rec.Beeps[0].Frequency, 1000u);
    EXPECT_EQ(rec.Beeps[0].Milliseconds, 200u);
}

TEST(MessageRecorder, NestedRecordersPutThePreviousBack) {
    MessageRecorder outer;
    {
        MessageRecorder inner;
        ShowMessage("inner");
        EXPECT_EQ(inner.Boxes.size(), 1u);
    }
    ShowMessage("outer");
    ASSERT_EQ(outer.Boxes.size(), 1u);
    EXPECT_EQ(outer.Boxes[0].Text, "outer");
}

TEST(MessageLog, EveryBoxIsOneLineAnsweredOk) {
    char path[] = "/tmp/ktx-msglog-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    setenv("KTX_MESSAGE_LOG", path, 1);
    EXPECT_EQ(MessageBox(nullptr, "first\nsecond\tend", "Warning", MB_OKCANCEL), IDOK);
    LibraryMessageBox(nullptr, "lib");
    Beep(1000, 200);
    unsetenv("KTX_MESSAGE_LOG");

    std::ifstream in(path);
    std::string l1, l2, l3, extra;
    std::getline(in, l1);
    std::getline(in, l2);
    std::getline(in, l3);
    EXPECT_FALSE(std::getline(in, extra));
    EXPECT_EQ(l1, "MessageBox\tWarning\tfirst\\nsecond\\tend\tOK,Cancel\tOK");
    EXPECT_EQ(l2, "MessageBox\tplatform_tests\tlib\tOK\tOK");
    EXPECT_EQ(l3, "Beep\t1000\t200");
    std::remove(path);
}

TEST(Focus, PostedMovesRunFromTheEventLoop) {
    QWidget w;
    auto* layout = new QVBoxLayout(&w);
    auto* a = new TEdit(&w);
    auto* hidden = new TEdit(&w);
    auto* c = new TEdit(&w);
    for (QWidget* e : {static_cast<QWidget*>(a), static_cast<QWidget*>(hidden), static_cast<QWidget*>(c)})
        layout->addWidget(e);
    hidden->hide();
    ASSERT_TRUE(ShowActive(w));
    a->setFocus();
    PostNextControl(&w);
    EXPECT_TRUE(a->hasFocus()); // not yet
    QApplication::processEvents();
    EXPECT_TRUE(c->hasFocus()); // the hidden one is passed over

    PostFocus(a);
    QApplication::processEvents();
    EXPECT_TRUE(a->hasFocus());

    auto* gone = new TEdit(&w);
    PostFocus(gone);
    delete gone; // a posted move to a destroyed control is dropped
    QApplication::processEvents();
    EXPECT_TRUE(a->hasFocus());
}

} // namespace
