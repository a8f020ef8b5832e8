#include "platform/DialogButtons.h"

#include <QPushButton>
#include <QWidget>

void DefaultButtonOnlyByLayout(QWidget& form) {
    for (QPushButton* button : form.findChildren<QPushButton*>())
        if (!button->isDefault())
            button->setAutoDefault(false);
}
