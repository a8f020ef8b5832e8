#include "forms/wireless/BandPages.h"

#include "app/forms/ModelCode.h"
#include "app/forms/StartupGlobals.h"
#include "library/snmp/NxSNMPVarList.h"

#include <QTabWidget>

BandPages::BandPages(QTabWidget* control, QWidget* page1, QWidget* page2)
    : Control_(control), Pages_{page1, page2} {}

void BandPages::Lay() {
    Control_->setTabVisible(Control_->indexOf(Pages_[1]), SecondBandLive());
    const std::string* captions[] = {&Band1Caption, &Band2Caption};
    for (int band = 1; band <= 2; ++band)
        if (Live(band))
            Control_->setTabText(Control_->indexOf(Page(band)), QString::fromStdString(*captions[band - 1]));
}

bool BandPages::Live(int band) const {
    return Control_->isTabVisible(Control_->indexOf(Page(band)));
}

QWidget* BandPages::Page(int band) const {
    return Pages_[band == 2 ? 1 : 0];
}

void BandPages::Activate(int band) const {
    Control_->setCurrentWidget(Page(band));
}

void SetBandRow(NxSNMPVarList& list, int row, bool live, uint32_t liveAccess) {
    list.GetRow(row)->Access = live ? liveAccess : ACC_INVALID;
}
