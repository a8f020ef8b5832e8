#pragma once
// "Home \ Information": model, system time, up time, firmware and address of the device, read
// once when the form opens.
#include "app/views/StatusView.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "ui_Information.h"

class TFM_HomeInformation : public TStatusView, public Ui::TFM_HomeInformation {
    Q_OBJECT
  public:
    static constexpr unsigned kTimeOut = 500; // hundredths of a second

    explicit TFM_HomeInformation(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);

    TFormRequest<NxSNMPRequest2Edits> Request;
};

// Menu item hInformation1: opens the form modally; owner is the main window.
void ShowHomeInformationForm(QWidget* owner);
