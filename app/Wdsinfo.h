#pragma once
// Status \ WDS Information: the WDS peers the access point serves.
#include "app/StationList.h"

#include <memory>

class QWidget;
namespace Ui {
class TFM_WdsInfo;
}

class TFM_WdsInfo : public TStationListForm {
    Q_OBJECT
  public:
    // The interval is a parameter for tests only; the program uses the default.
    explicit TFM_WdsInfo(QWidget* owner = nullptr, int refreshMilliseconds = kRefreshMilliseconds);
    ~TFM_WdsInfo() override;

  protected:
    std::vector<std::string> ShownColumns(const std::vector<std::string>& hidden) const override;

  private:
    std::unique_ptr<Ui::TFM_WdsInfo> ui_;
};

// The menu item WDSInformation1: shows the form modally, owned by the main window, and deletes it.
void ShowWdsInformation(QWidget* owner);
