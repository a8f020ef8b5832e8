#pragma once
// "Advanced\Rogue AP": which neighbouring access points a scan reports (BSS type, bands, security
// kinds), the scan itself, the found list and the device's list of known access points (at most
// 30) with add and delete, and rogue AP protection where the device supports it. The device acts
// on action objects written with completions; each completion reads the lists it changed.
#include "app/ListWalkRequest.h"
#include "app/SettingsForm.h"
#include "app/SupportProbe.h"

#include <memory>
#include <vector>

class QFrame;
class QGroupBox;
class QPushButton;
class QTimer;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TRadioGroup;
class TStatusBar;
namespace Ui {
class TFM_RogueForm;
}

class TFM_RogueForm : public TSettingsForm {
    Q_OBJECT
  public:
    static constexpr int kMaxKnown = 30;
    static constexpr int kDetectWaitMillis = 1000;

    explicit TFM_RogueForm(QWidget* owner = nullptr);
    ~TFM_RogueForm() override;

    void FormCreate(QObject* sender);
    void FormClose(QObject* sender);
    void FormResize(QObject* sender);
    void DetectBtnClick(QObject* sender);
    void AddBtnClick(QObject* sender);
    void DelBtnClick(QObject* sender);
    void ListDelBtnClick(QObject* sender);
    void Apply_BtnClick(QObject* sender);
    void Cancel_BtnClick(QObject* sender);
    void CheckBox_11aClick(QObject* sender);
    void ChcBxo_offClick(QObject* sender);
    void BSSTypRadGrpClick(QObject* sender);
    void ShowFilters();

    // Nothing is outstanding: no action or list read waits for its answer.
    bool Idle() const { return Outstanding_ == 0; }
    bool BusyNow() const override;

    TRadioGroup* BSSTypRadGrp;
    TCheckBox *CheckBox_11a, *CheckBox_11b, *CheckBox_11g;
    TEdit *BandEdit, *SecEdit;
    TCheckBox *ChcBxo_off, *ChcBxo_wep, *ChcBxo_eap, *ChcBxo_psk, *WPA2EAPCkBox, *WPA2PSKCkBox,
        *WPA2AUTECkBox, *WPA2AUTPCkBox;
    TListView *RogueListView, *AP_ListView;
    QPushButton *DetectBtn, *AddBtn, *DelBtn, *ListDelBtn, *Apply_Btn, *Cancel_Btn;
    TComboBox* DetectRogueCoBox;
    TEdit *AddCoBox, *DelDetcetEdit, *DelCoBox, *Ed_RogueSupport;
    TLabel* Lab_RogueAP;
    TComboBox *CB_RogueAP, *CB_Radio;
    TStatusBar* StatusBar1;
    QTimer* DetectWait; // between the detect action's answer and the read of the found list

    TFormRequest<NxSNMPRequest2Edits> RadioRequest, FilterRequest, DetectRequest, AddRequest,
        DeleteFoundRequest, DeleteKnownRequest, SupportRequest, ProtectionRequest;
    TFormRequest<ListWalkRequest> FoundRequest, KnownRequest;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::vector<NxSNMPRequest2Edits*> AsyncRequests() const;
    void SetButtons(bool enabled);
    bool RadioOn() const;
    bool ProtectionSupported() const;
    // Starts an asynchronous read or write; a failure to start ends it at once.
    void Start(NxSNMPRequest2Edits& request, bool write, const char* progress);
    // One outstanding operation ended; the buttons come back when none is left.
    void Ended(const std::string& status);
    void EndedRead(const NxSNMPError& result);
    void OnActionDone(NxSNMPError* result, const char* success, bool found, bool known);
    void OnDetectDone(NxSNMPError* result);
    void OnDetectedListRead(NxSNMPError* result);
    void OnKnownListRead(NxSNMPError* result);
    std::string SelectedIndex(TListView* view) const;

    std::unique_ptr<Ui::TFM_RogueForm> ui_;
    int Outstanding_ = 0;
    SupportProbe Support_;
};

// Menu item RogueAP: creates the form (owned by the application), shows it modally, deletes it.
void ShowRogueForm();
