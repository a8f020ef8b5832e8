#include "tests/status/StatusViewTools.h"

#include "platform/Edit.h"
#include "platform/Label.h"
#include "tests/support/FormPicture.h"

#include <QPixmap>
#include <cstdlib>

std::string TextOf(const QWidget& form, const char* name) {
    if (const auto* edit = form.findChild<TEdit*>(name))
        return edit->Text();
    if (const auto* label = form.findChild<TLabel*>(name))
        return label->Caption();
    ADD_FAILURE() << "no control " << name;
    return {};
}

void SavePicture(QWidget& form, const std::string& name) {
    if (FormPictureFolder().empty())
        return;
    form.show();
    SaveFormPicture(form, name);
}
