#pragma once
// "Advanced\Rogue AP": which neighbouring access points a scan reports (BSS type, bands, security
// kinds), the scan itself, the found list and the device's list of known access points (at most
// 30) with add and delete, and rogue AP protection where the device supports it. The device acts
// on action objects written with completions; each completion reads the lists it changed.
#include "app/forms/SettingsForm.h"
#include "app/forms/SupportProbe.h"
#include "forms/network/ListWalkRequest.h"
#include "ui_Rogueap.h"

#include <string>

class QTimer;

class TFM_RogueForm : public TSettingsForm, public Ui::TFM_RogueForm {
    Q_OBJECT
  public:
    static constexpr int kMaxKnown = 30;
    static constexpr int kDetectWaitMillis = 1000;
    static constexpr const char* kKnownListNotRead =
        "Not added: the AP list was not read, so its limit of 30 could not be checked.";

    explicit TFM_RogueForm(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void FormResize(QObject* sender);
    void DetectBtnClick(QObject* sender);
    void AddBtnClick(QObject* sender);
    void DelBtnClick(QObject* sender);
    void ListDelBtnClick(QObject* sender);
    void Apply_BtnClick(QObject* sender);
    void CheckBox_11aClick(QObject* sender);
    void ChcBxo_offClick(QObject* sender);
    void BSSTypRadGrpClick(QObject* sender);
    void ShowFilters();

    // Nothing is outstanding: no action or list read waits for its answer.
    bool Idle() const { return Outstanding_ == 0; }
    bool BusyNow() const override;

    QTimer* DetectWait; // between the detect action's answer and the read of the found list

    TFormRequest<NxSNMPRequest2Edits> RadioRequest, FilterRequest, DetectRequest, AddRequest,
        DeleteFoundRequest, DeleteKnownRequest, SupportRequest, ProtectionRequest;
    TFormRequest<ListWalkRequest> FoundRequest, KnownRequest;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // A scan's wait ends with the form: no list read follows a close.
    void ReleaseOnClose() override;

  private:
    void SetButtons(bool enabled);
    bool RadioOn() const;
    bool ProtectionSupported() const;
    // Starts an asynchronous read or write; a failure to start ends it at once.
    void Start(NxSNMPRequest2Edits& request, bool write, const char* progress);
    // One outstanding operation ended; the buttons come back when none is left.
    void Ended(const std::string& status);
    // A list read or an action ended: a failure is kept in view until that request succeeds.
    void EndedRead(NxSNMPRequest2Controls& request, const NxSNMPError& result);
    void EndedAction(NxSNMPRequest2Controls& request, const NxSNMPError& result, const std::string& success);
    void ReadKnownList();
    // The six WPA boxes can be ticked once the BSS type and security were read, unless ad hoc.
    bool WpaFilterOn() const;
    void OnActionDone(NxSNMPRequest2Controls& request, NxSNMPError* result, const char* success, bool found,
                      bool known);
    void OnDetectDone(NxSNMPError* result);
    void OnDetectedListRead(NxSNMPError* result);
    void OnKnownListRead(NxSNMPError* result);
    std::string SelectedIndex(TListView* view) const;

    int Outstanding_ = 0;
    bool KnownRead_ = false; // the last walk of the known list ended whole
    SupportProbe Support_;
};

// Menu item RogueAP: opens the form modally.
void ShowRogueForm();
