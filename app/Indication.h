#pragma once
// Status \ Indication: the device's temperature, and the signal of up to eight WDS peers per
// radio when a radio works in a WDS mode. Read once when the form opens.
#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

class NxSNMPRequest2Edits;
class QGroupBox;
class QLabel;
class QProgressBar;
class TComboBox;
class TLabel;
class TListView;
class TStatusBar;
class TTimer;
struct NxSNMPError;
namespace Ui {
class TFM_Indication;
}

class TFM_Indication : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kLineHeight = 48; // one line holds two peers

    explicit TFM_Indication(QWidget* owner = nullptr);
    ~TFM_Indication() override;

    // One peer's controls; slot n of a band is index n-1.
    struct PeerSlot {
        QLabel* Caption;
        TLabel* Mac;
        QProgressBar* Bar;
        QLabel* Zero;
        QLabel* Hundred;
        TLabel* Rssi;
        QLabel* Percent;
    };

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    TLabel* LA_Tempteration = nullptr;
    TLabel* LA_TemperationH = nullptr;
    TComboBox* ED_APModeComboBox_a = nullptr;
    TComboBox* ED_APModeComboBox_g = nullptr;
    TComboBox* ED_wdsGetComboBoxa = nullptr;
    TComboBox* ED_wdsGetComboBoxg = nullptr;
    TListView* LV_Wds = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TTimer* Timer1 = nullptr;
    std::array<PeerSlot, 8> SlotsA{};
    std::array<PeerSlot, 8> SlotsG{};

    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void OnEndingGet(NxSNMPError* result);
    void ShowWdsRssi();
    void LayoutWdsGroups();

    uint8_t Ready = 1;

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void SetBandRows(NxSNMPRequest2Edits& request);
    void FillSlot(const PeerSlot& slot, const std::string& mac, const std::string& rssi);
    int PeersOf(const std::string& band) const;
    void SetFormHeight(int height);
    void DestroyRequests();

    std::unique_ptr<Ui::TFM_Indication> ui_;
    std::unique_ptr<NxSNMPRequest2Edits> TemperatureReq_;
    std::unique_ptr<NxSNMPRequest2Edits> ApModeReq_;
    std::unique_ptr<NxSNMPRequest2Edits> WdsGetReq_;
    std::unique_ptr<NxSNMPRequest2Edits> WdsTableReq_;
};

// The menu item stIndication1: shows the form modally and deletes it.
void ShowIndication();
