#pragma once
// "Advanced \ WLAN Partition": per radio band, whether wireless stations may talk to each other,
// whether Ethernet traffic reaches the wireless side and, on the dual-band model, whether the
// stations of the two bands may talk. Read when the form is created, written on "Apply".
#include "app/SettingsForm.h"

#include <memory>

class QPushButton;
class TCheckBox;
class TComboBox;
class TLabel;
class TStatusBar;
namespace Ui {
class TFM_WLANPart;
}

class TFM_WLANPart : public TSettingsForm {
    Q_OBJECT
  public:
    // Lays out the band controls, builds the request and reads it (blocking) before returning.
    explicit TFM_WLANPart(QWidget* owner = nullptr);
    ~TFM_WLANPart() override;

    void FormCreate(QObject* sender);
    void BT_ApplyClick(QObject* sender);
    void CB_WbandChange(QObject* sender);
    void CB_WLANAccessaClick(QObject* sender);
    void BT_CancelClick(QObject* sender);

    // Layout
    TLabel* LA_Wband;
    TLabel* LA_statconnet;
    TLabel* LA_WLANAccess;
    TLabel* LA_StationConnect;
    TComboBox* CB_Wband;
    TCheckBox* CB_statconneta;
    TCheckBox* CB_WLANAccessa;
    TCheckBox* CB_StationConnecta;
    TCheckBox* CB_statconnetg;
    TCheckBox* CB_WLANAccessg;
    TCheckBox* CB_StationConnectg;
    QPushButton* BT_Apply;
    QPushButton* BT_Cancel;
    TStatusBar* StatusBar;

    // The three objects of both bands; null when it could not be built.
    TFormRequest<NxSNMPRequest2Edits> PartitionRequest;

  private:
    void SetRowAccess(int row, uint32_t access);

    std::unique_ptr<Ui::TFM_WLANPart> ui_;
    bool Reading_ = false; // values shown from the device are no user's uncheck
    bool WasEthernetAccess_ = false;
};

// Menu item adWirelessPartition1: creates the form (owned by the application), shows it modally,
// deletes it.
void ShowWlanPartForm();
