#pragma once
// "Home \ Information": model, system time, up time, firmware and address of the device, read
// once when the form opens.
#include <QDialog>
#include <memory>

class NxSNMPRequest2Edits;
class TStatusBar;
namespace Ui {
class TFM_HomeInformation;
}

class TFM_HomeInformation : public QDialog {
    Q_OBJECT
  public:
    static constexpr unsigned kTimeOut = 500; // hundredths of a second

    explicit TFM_HomeInformation(QWidget* owner = nullptr);
    ~TFM_HomeInformation() override;

    void FormCreate(QObject* sender);

    TStatusBar* StatusBar;
    std::unique_ptr<NxSNMPRequest2Edits> Request;

  private:
    std::unique_ptr<Ui::TFM_HomeInformation> ui_;
};

// Menu item hInformation1: opens the form modally; owner is the main window.
void ShowHomeInformationForm(QWidget* owner);
