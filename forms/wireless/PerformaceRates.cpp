// The performance form's mode rules: which data rates a b/g mode offers and locks, the per-rate
// data-rate control, its reset to the device's defaults, and the RTS range and channel lock by AP
// and scan mode. Written once for both bands.
#include "forms/wireless/Performace.h"

#include "forms/wireless/BandPages.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"

#include <QGroupBox>
#include <QPushButton>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kWithBasic = {"Disable", "Enable", "Basic"};
const std::vector<std::string> kWithoutBasic = {"Disable", "Enable"};
constexpr int kBasic = 2;
constexpr int kEnable = 1;

// Indexes into PerformanceBand::Twins: the 11b rates (5.5, 11 Mb) and the OFDM rates (6, 12, 24 Mb).
constexpr int kCck[] = {0, 1};
constexpr int kOfdm[] = {2, 3, 4};
// Indexes into PerformanceBand::Rate.
constexpr int kFirstOfdmRate = 4;
constexpr int kAlwaysFree[] = {5, 7, 9, 10, 11}; // 9, 18, 36, 48, 54 Mb

enum BgMode { kMixed = 0, kOnly11b = 1, kOnly11g = 2 };

bool RateControlOn(const PerformanceBand& band) {
    return band.DateStatus->GetItemIndex() == 1;
}

void EnableRates(PerformanceBand& band, std::initializer_list<int> rates, bool enabled) {
    for (int rate : rates)
        band.Rate[size_t(rate)]->setEnabled(enabled);
}

void EnableTwins(PerformanceBand& band, const int (&twins)[2], bool enabled) {
    for (int t : twins)
        band.Twins[size_t(t)].Shown()->setEnabled(enabled);
}

void EnableTwins(PerformanceBand& band, const int (&twins)[3], bool enabled) {
    for (int t : twins)
        band.Twins[size_t(t)].Shown()->setEnabled(enabled);
}

template <size_t N>
void Offer(PerformanceBand& band, const int (&twins)[N], const std::vector<std::string>& items) {
    for (int t : twins)
        band.Twins[size_t(t)].SetChoices(items, -1);
}

template <size_t N> void OfferKeeping(PerformanceBand& band, const int (&twins)[N]) {
    for (int t : twins)
        band.Twins[size_t(t)].SetChoicesKeeping(kWithoutBasic, kEnable);
}

template <size_t N> void OfferBasic(PerformanceBand& band, const int (&twins)[N]) {
    for (int t : twins)
        band.Twins[size_t(t)].SetChoices(kWithBasic, kBasic);
}

void LockRateChoice(PerformanceBand& band) {
    band.DtRtCombo->SetItemIndex(0);
    band.DtRtCombo->setEnabled(false);
}

} // namespace

// A mode not known (not read, or one the list lacks) is neither: the RTS length keeps the range
// every mode takes, and data-rate control keeps the device's value, locked.
void TFM_Performace::ApModeChange(PerformanceBand& band) {
    const bool wds = band.Wds();
    band.RtsLabel->SetCaption(wds ? "RTS Length (1- 2346)" : "RTS Length (256- 2346)");
    if (wds)
        band.DateStatus->SetItemIndex(0);
    band.DateStatus->setEnabled(band.ApMode->GetItemIndex() == 0);
}

void TFM_Performace::AutoScanChange(PerformanceBand& band) {
    band.ChanCombo->setEnabled(band.AutoScan->GetItemIndex() == 0);
}

void TFM_Performace::ResetDataRateCombos() {
    for (int n = 1; n <= 2; ++n)
        if (Pages_->Live(n)) {
            ShowRatesForMode(Band(n));
            DateStatusChange(Band(n));
        }
}

// 11b only has no OFDM rates to set.
void TFM_Performace::ShowRatesForMode(PerformanceBand& band) {
    const bool ofdm = band.bgMode->GetItemIndex() != kOnly11b;
    for (int i = kFirstOfdmRate; i < PerformanceBand::kRates; ++i) {
        band.Rate[size_t(i)]->setVisible(ofdm);
        band.RateLabel[size_t(i)]->setVisible(ofdm);
    }
    band.ResetButton->setVisible(ofdm);
}

void TFM_Performace::BgModeChange(PerformanceBand& band) {
    ResetDataRateCombos();
    const bool on = RateControlOn(band);
    const int mode = band.bgMode->GetItemIndex();
    if (mode == kOnly11b) {
        EnableRates(band, {0, 1}, true);
        band.DtRtCombo->setEnabled(true);
        if (on)
            MessageBox(this, "It will Reset Data Rate Settings to 11b only Default Status! Continue?",
                       "Warning", MB_OK);
        EnableRates(band, {0, 1}, false);
        if (on) {
            EnableTwins(band, kCck, true);
            LockRateChoice(band);
        }
        OfferKeeping(band, kCck);
    } else {
        OfferBasic(band, kCck);
        EnableTwins(band, kCck, false);
        EnableRates(band, {0, 1}, true);
        EnableTwins(band, kOfdm, true);
        band.DtRtCombo->setEnabled(true);
        if (mode == kOnly11g) {
            OfferBasic(band, kOfdm);
            if (on)
                MessageBox(this, "It will Reset Data Rate Settings to 11g only Default Status! Continue?",
                           "Warning", MB_OK);
            EnableRates(band, {0, 1}, false);
            EnableTwins(band, kOfdm, false);
            if (on)
                LockRateChoice(band);
        } else {
            EnableRates(band, {0, 1}, false);
            EnableTwins(band, kCck, false);
            OfferKeeping(band, kOfdm);
            if (on) {
                EnableTwins(band, kOfdm, true);
                MessageBox(this, "It will Reset Data Rate Settings to Mixed Default Status! Continue?",
                           "Warning", MB_OK);
                LockRateChoice(band);
            }
        }
    }
    if (!on) {
        for (TComboBox* rate : band.Rate)
            rate->setEnabled(false);
        band.ResetButton->setEnabled(false);
    }
    for (auto& twin : band.Twins)
        twin.FollowShown();
}

// After each read, while the band is an access point: what the b/g mode offers for the rates that
// depend on it. The visible combos then show the bound values (ShowRateTwins).
void TFM_Performace::SetRateChoices(PerformanceBand& band) {
    if (band.ApMode->GetItemIndex() != 0)
        return;
    const bool on = RateControlOn(band);
    const int mode = band.bgMode->GetItemIndex();
    Offer(band, kOfdm, mode == kOnly11g ? kWithBasic : kWithoutBasic);
    EnableTwins(band, kOfdm, mode != kOnly11g && on);
    Offer(band, kCck, mode == kOnly11b ? kWithoutBasic : kWithBasic);
    EnableTwins(band, kCck, mode == kOnly11b && on);
}

void TFM_Performace::ShowRateTwins(PerformanceBand& band) {
    for (auto& twin : band.Twins)
        twin.ShowBound();
}

void TFM_Performace::DateStatusChange(PerformanceBand& band) {
    const int mode = band.bgMode->GetItemIndex();
    if (!RateControlOn(band)) {
        for (TComboBox* rate : band.Rate)
            rate->setEnabled(false);
        band.ResetButton->setEnabled(false);
        band.DtRtCombo->setEnabled(true);
        // A WDS link runs on the device's default rates.
        if (band.Wds() && band.RateControl.Supported())
            ResetRatesNow(band);
        return;
    }
    EnableRates(band, {0, 1}, false);
    EnableTwins(band, kCck, mode == kOnly11b);
    EnableTwins(band, kOfdm, mode != kOnly11g);
    for (int rate : kAlwaysFree)
        band.Rate[size_t(rate)]->setEnabled(true);
    band.ResetButton->setEnabled(true);
    LockRateChoice(band);
}

void TFM_Performace::ResetRateClick(PerformanceBand& band) {
    if (MessageBox(this, "It will Reset Data Rate Settings to Default Status! Continue?", "Warning",
                   MB_OKCANCEL) != IDOK)
        return;
    ResetRatesNow(band);
}

void TFM_Performace::ResetRatesNow(PerformanceBand& band) {
    if (!band.RateResetRequest || !band.RatesRequest)
        return;
    band.ResetRate->SetItemIndex(1); // "set"
    band.RateResetRequest->MarkAsked(-1);
    if (!Write(*band.RateResetRequest)) {
        band.RateResetRequest->ShowStatus(band.RateResetRequest->Request.Result.Message);
        return;
    }
    Read(*band.RatesRequest);
    ShowRateTwins(band);
}
