#include "app/views/Information.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"
#include "tests/status/StatusViewTools.h"

namespace {

class HomeInformationTest : public FormTest {};

TEST_F(HomeInformationTest, ShowsTheFiveValuesInLockedEdits) {
    QWidget owner;
    TFM_HomeInformation form(&owner);
    form.FormCreate(&form);
    EXPECT_EQ(TextOf(form, "edtmodelname"), "KTX-7593AP");
    EXPECT_EQ(TextOf(form, "edtsystemtime"), "2008/07/31 10:20:30");
    EXPECT_EQ(TextOf(form, "edtuptime"), "0 days 01:02:03");
    EXPECT_EQ(TextOf(form, "edtfirmversion"), "v1.2.0.7");
    EXPECT_EQ(TextOf(form, "edtIPaddress"), "192.168.1.1");
    for (const auto* edit : form.findChildren<TEdit*>()) {
        EXPECT_TRUE(edit->ReadOnly());
        EXPECT_FALSE(edit->isEnabled());
    }
    EXPECT_EQ(form.parentWidget(), &owner);
    EXPECT_TRUE(form.StatusBar->SimpleText().empty());
    SavePicture(form, "information");
}

TEST_F(HomeInformationTest, FailedReadKeepsTheEditsAndShowsTheLine) {
    Device->Sim().Command("fail " + std::string(kTree) + ".1.3 noAccess");
    TFM_HomeInformation form;
    const std::string before = TextOf(form, "edtmodelname");
    form.FormCreate(&form);
    EXPECT_EQ(TextOf(form, "edtmodelname"), before);
    const std::string line = form.StatusBar->SimpleText();
    EXPECT_EQ(line.rfind("Get: ", 0), 0u) << line;
    EXPECT_TRUE(Device->Messages().Boxes.empty());
}

} // namespace
