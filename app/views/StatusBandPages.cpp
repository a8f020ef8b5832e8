#include "app/views/StatusBandPages.h"

#include "app/forms/StartupGlobals.h"

#include <QTabWidget>

void HideSecondBandPage(QTabWidget* pages, QWidget* second) {
    pages->setTabVisible(pages->indexOf(second), false);
}

bool ShowBandPage(QTabWidget* pages, QWidget* page, int band) {
    const int index = pages->indexOf(page);
    if (!pages->isTabVisible(index))
        return false;
    pages->setTabText(index, QString::fromStdString(band == 1 ? Band1Caption : Band2Caption));
    return true;
}
