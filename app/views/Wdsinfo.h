#pragma once
// Status \ WDS Information: the WDS peers the access point serves.
#include "app/views/StationList.h"
#include "ui_Wdsinfo.h"

class TFM_WdsInfo : public TStationListForm, public Ui::TFM_WdsInfo {
    Q_OBJECT
  public:
    // The interval is a parameter for tests only; the program uses the default.
    explicit TFM_WdsInfo(QWidget* owner = nullptr, int refreshMilliseconds = kRefreshMilliseconds);

  protected:
    std::vector<std::string> ShownColumns(const std::vector<std::string>& hidden) const override;
};

// The menu item WDSInformation1: shows the form modally, owned by the main window, and deletes it.
void ShowWdsInformation(QWidget* owner);
