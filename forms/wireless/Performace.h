#pragma once
// "Advanced \ Performance": the radio parameters of each band (channel, data rate, beacon, DTIM,
// fragmentation and RTS thresholds, power, radio, WMM, b/g mode, antenna, IGMP snooping) and the
// per-rate data-rate control. One page per band; the second band's page shows only on the
// dual-band model. Optional groups (IGMP snooping, data-rate control, multi-SSID priority) are
// probed once at creation and stay in or out for the life of the form.
#include "app/forms/SettingsForm.h"
#include "app/forms/SupportProbe.h"
#include "forms/wireless/BandPages.h"
#include "forms/wireless/TwinCombo.h"
#include "ui_Performace.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class RowsLeftOut;
class ApplyOutcome;

// The controls, requests and state of one band's page.
struct PerformanceBand {
    static constexpr int kRates = 12;
    int Number = 1; // the radio instance
    TEdit *Freq, *Chan, *ChList, *WdsChList, *DtRt, *DtList, *BeInt, *DTIM, *FragLen, *RTS;
    TComboBox *ChanCombo, *DtRtCombo, *TranP, *Radio, *WMM, *bgMode, *ApMode, *AutoScan, *DateStatus,
        *ResetRate;
    TLabel *RtsLabel, *bgLabel;
    QGroupBox *RadioBox, *RatesBox;
    QPushButton *Apply, *Refresh, *ResetButton;
    std::array<TComboBox*, kRates> Rate{};
    std::array<TLabel*, kRates> RateLabel{};
    // The rates whose visible choices change with the b/g mode, each with its bound combo.
    std::array<TwinCombo, 5> Twins{TwinCombo(nullptr, nullptr), TwinCombo(nullptr, nullptr),
                                   TwinCombo(nullptr, nullptr), TwinCombo(nullptr, nullptr),
                                   TwinCombo(nullptr, nullptr)};
    TFormRequest<NxSNMPRequest2Edits> RadioRequest, RateStatusRequest, RateResetRequest, RatesRequest;
    SupportProbe RateControl; // the data-rate status probe

    // One of the two WDS modes; a mode not read or not in the list is no WDS mode.
    bool Wds() const;
};

class TFM_Performace : public TSettingsForm, public Ui::TFM_Performace {
    Q_OBJECT
  public:
    explicit TFM_Performace(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void Bt_Apply_aClick(QObject* sender);
    void Bt_Apply_gClick(QObject* sender);
    void Bt_Refresh_aClick(QObject* sender);
    void Bt_Refresh_gClick(QObject* sender);
    void PC_PerformaceChange(QObject* sender);

    // Supporting operations
    void FillChannelCombo(TEdit* list, TComboBox* combo, TEdit* channel);
    // `withUnit` 1: the rates are shown with " Mb" after the number.
    void FillDataRateCombo(TEdit* list, TComboBox* combo, TEdit* rate, int withUnit);
    void CopyComboToEdit(TComboBox* combo, TEdit* edit);
    void ResetDataRateCombos();

    PerformanceBand BandA; // page 1, instance .1
    PerformanceBand BandG; // page 2, instance .2

    TFormRequest<NxSNMPRequest2Edits> ApModeRequest, AutoScanRequest, WdsListRequest, BgModeRequest,
        PriorityRequest, AntennaRequest, IgmpRequest;

  private:
    PerformanceBand& Band(int number) { return number == 2 ? BandG : BandA; }
    void TakeControls(PerformanceBand& band, char suffix);
    void ConnectHandlers(PerformanceBand& band);
    void CreateBand(PerformanceBand& band);
    void LayOutBand(PerformanceBand& band, int radioHeight, int buttonsTop);
    // The band's edits in the order they are checked, with their ranges; false after a failure
    // has been shown.
    bool CheckInputs(PerformanceBand& band, bool onExit, TEdit* only);
    bool WriteBgMode(ApplyOutcome& tally);
    // What both bands' Apply does first: the band's requests built (`built`: the ones only that
    // band writes), its edits checked, the combos' choices copied and unshown rows kept out.
    // False when nothing is to be written.
    bool OpenApply(PerformanceBand& band, bool built, ApplyOutcome& tally,
                   std::vector<std::unique_ptr<RowsLeftOut>>& keptOut);
    void KeepUnshownOut(PerformanceBand& band, ApplyOutcome& tally,
                        std::vector<std::unique_ptr<RowsLeftOut>>& keptOut);
    void RefreshBand(PerformanceBand& band);
    void FillBandCombos(PerformanceBand& band);
    void ShowRateTwins(PerformanceBand& band);
    void ResetRatesNow(PerformanceBand& band);

    // Data-rate control of one band (PerformaceRates.cpp)
    void ApModeChange(PerformanceBand& band);
    void AutoScanChange(PerformanceBand& band);
    void BgModeChange(PerformanceBand& band);
    void DateStatusChange(PerformanceBand& band);
    void ResetRateClick(PerformanceBand& band);
    void OnBgModeRead();
    void ShowRatesForMode(PerformanceBand& band);
    void SetRateChoices(PerformanceBand& band);

    std::unique_ptr<BandPages> Pages_;
    SupportProbe Igmp_;
    SupportProbe Priority_;
    bool BgModeWritten_ = false;
    bool KeepApplyFailure_ = false; // from a failed Apply until the user's next Apply or Refresh
};

// Menu item adPerformance1: opens the form modally.
void ShowPerformanceForm();
