#pragma once
// "Status \ Device Information": per-radio SSID, channel, rate and security on the band pages,
// the firmware, addresses and MAC addresses of the device, read once when the form opens.
#include <QDialog>
#include <memory>
#include <string>

class NxSNMPRequest2Edits;
class QTabWidget;
class TLabel;
class TStatusBar;
class TEdit;
namespace Ui {
class TFM_DevInfo;
}

class TFM_DevInfo : public QDialog {
    Q_OBJECT
  public:
    explicit TFM_DevInfo(QWidget* owner = nullptr);
    ~TFM_DevInfo() override;

    void FormCreate(QObject* sender);
    void Bt_RefaClick(QObject* sender);
    void Bt_RefgClick(QObject* sender);

    // The model's band code (ModelCode()), kept per form so a test can show the other model.
    std::string ModelCode;

    QTabWidget* PageControl1;
    QWidget* TabSheetA;
    QWidget* TabSheetG;
    TEdit* Ed_PMac;
    TEdit* Ed_SMac;
    TLabel* Lab_Lan1Mac;
    TLabel* Lab_Lan0Mac;
    TLabel* Lab_Lan1MacEnd;
    TLabel* Lab_Lan0MacEnd;
    TStatusBar* StatusBar;

    // The band requests exist only for the pages that show.
    std::unique_ptr<NxSNMPRequest2Edits> BandRequestA;
    std::unique_ptr<NxSNMPRequest2Edits> BandRequestG;
    std::unique_ptr<NxSNMPRequest2Edits> GeneralRequest;

  private:
    bool PageVisible(QWidget* page) const;
    std::unique_ptr<NxSNMPRequest2Edits> NewBandRequest(int band);
    void ReadGeneral();
    void ShowMacRanges();

    std::unique_ptr<Ui::TFM_DevInfo> ui_;
};

// Menu item stDeviceInfo2: opens the form modally, owned by the application.
void ShowDevInfoForm();
