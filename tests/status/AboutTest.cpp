#include "app/program/About.h"
#include "platform/Label.h"
#include "tests/status/StatusViewTools.h"
#include "tests/support/ActiveWindow.h"

#include <QPushButton>
#include <QTest>

namespace {

TEST(AboutForm, TitleFollowsTheModelAndTheReleaseDateWaitsForShiftAltF3) {
    QWidget owner;
    TAboutForm form(&owner);
    EXPECT_EQ(form.Label1->Caption(), "KTX-7593AP Management Module");
    EXPECT_EQ(form.La_FwVer->Caption(), "v3.20");
    ASSERT_TRUE(ShowActive(form));
    SavePicture(form, "about");
    EXPECT_FALSE(form.Label4->isVisible());
    QTest::keyClick(form.BT_Ok, Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(form.BT_Ok, Qt::Key_F3, Qt::AltModifier);
    QTest::keyClick(form.BT_Ok, Qt::Key_F4, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_FALSE(form.Label4->isVisible());
    QTest::keyClick(form.BT_Ok, Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(form.Label4->isVisible());
    EXPECT_EQ(form.Label4->Caption(), "R06(2008/7/31)");

    QTest::mouseClick(form.BT_Ok, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

} // namespace
