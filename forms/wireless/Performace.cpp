#include "forms/wireless/Performace.h"
#include "forms/wireless/UncheckedText.h"

#include "app/forms/ApplyOutcome.h"
#include "app/forms/ApplyResult.h"
#include "app/forms/ModelCode.h"
#include "app/forms/ShowForm.h"
#include "app/forms/StartupGlobals.h"
#include "app/mib/MibRowTables.h"
#include "forms/wireless/BandPages.h"
#include "forms/wireless/ListCombo.h"
#include "forms/wireless/PerformanceRows.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <cstdlib>

namespace {

// Rows of the shared wireless table that hold each radio's WDS channel list.
constexpr int kWdsListRow[] = {5, 24};
constexpr int kChannelRow = 1; // of the radio group
constexpr int kDataRateRow = 3;
// Rows of band 1 whose visible choices change with the b/g mode: 5.5, 11, 6, 12 and 24 Mb.
constexpr int kTwinRates[] = {2, 3, 4, 6, 8};
// Layout of the first page: the radio group with and without the IGMP snooping row.
constexpr int kRadioHeight[] = {385, 417};
constexpr int kButtonsTop[] = {400, 432};
constexpr int kPageMargin = 36; // below the buttons, tab bar included
constexpr int kBoxGap = 6;

bool SingleBandModel() {
    return ModelCode() == "7593";
}

// A whole decimal number; any other text counts as 0.
long NumberOf(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9)
        return 0;
    return std::strtol(text.c_str(), nullptr, 10);
}

} // namespace

TFM_Performace::TFM_Performace(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);
    TakeControls(BandA, 'a');
    TakeControls(BandG, 'g');
    BandA.RadioBox = GroupBox1;
    BandA.RatesBox = GroupBox4;
    BandA.bgLabel = Lab_bgModea;
    BandA.RtsLabel = Label7;
    BandG.Number = 2;
    BandG.RadioBox = GroupBox2;
    BandG.RatesBox = GroupBox3;
    BandG.bgLabel = Lab_bgMode;
    BandG.RtsLabel = Label8;
    // Band 1 binds these rates to hidden combos that keep the device's value behind the shown one.
    TComboBox* const hidden[] = {CB_DRate3, CB_DRate4, CB_DRate5, CB_DRate7, CB_DRate9};
    for (int i = 0; i < 5; ++i) {
        const int rate = kTwinRates[i];
        BandA.Twins[size_t(i)] = TwinCombo(BandA.Rate[size_t(rate)], hidden[i]);
        BandG.Twins[size_t(i)] = TwinCombo(BandG.Rate[size_t(rate)], BandG.Rate[size_t(rate)]);
    }
    SetUpWindow(StatusBar);
    Pages_ = std::make_unique<BandPages>(PC_Performace, TabSheetA, TabSheetG);
    Pages_->Lay();
    ConnectHandlers(BandA);
    ConnectHandlers(BandG);
    OnSignal(PC_Performace, &QTabWidget::currentChanged, [this] { PC_PerformaceChange(PC_Performace); });
    FormCreate(this);
}

void TFM_Performace::TakeControls(PerformanceBand& band, char suffix) {
    const QString s(suffix);
    auto edit = [&](const char* name) { return findChild<TEdit*>(name + s); };
    auto combo = [&](const char* name) { return findChild<TComboBox*>(name + s); };
    auto button = [&](const char* name) { return findChild<QPushButton*>(name + s); };
    band.Freq = edit("Ed_Freq");
    band.Chan = edit("Ed_Chan");
    band.ChList = edit("Ed_ChList");
    band.WdsChList = edit("Ed_WdsChList");
    band.DtRt = edit("Ed_DtRt");
    band.DtList = edit("Ed_DtList");
    band.BeInt = edit("Ed_BeInt");
    band.DTIM = edit("Ed_DTIM");
    band.FragLen = edit("Ed_FragLen");
    band.RTS = edit("Ed_RTS");
    band.ChanCombo = combo("CB_Chan");
    band.DtRtCombo = combo("CB_DtRt");
    band.TranP = combo("CB_TranP");
    band.Radio = combo("CB_Radio");
    band.WMM = combo("CB_WMM");
    band.bgMode = combo("CB_bgMode");
    band.ApMode = combo("CBXApmode");
    band.AutoScan = combo("CB_Autochannscan_");
    band.DateStatus = combo("CB_DateStatus_");
    band.ResetRate = combo("CB_resetdatarate_");
    band.Apply = button("Bt_Apply_");
    band.Refresh = button("Bt_Refresh_");
    band.ResetButton = button("BT_RDateRate_");
    static const char* const rateTags[] = {"1", "2", "5", "11", "6", "9", "12", "18", "24", "36", "48", "54"};
    for (int i = 0; i < PerformanceBand::kRates; ++i) {
        band.Rate[size_t(i)] = findChild<TComboBox*>(QString("CB_DRate%1_").arg(i + 1) + s);
        band.RateLabel[size_t(i)] =
            findChild<TLabel*>(QString(suffix == 'a' ? "LAB_DRata" : "LAB_DRatg") + rateTags[i] + "_" + s);
    }
    band.Freq->SetReadOnly(true);
}

// Before the bindings, which chain the controls' own handlers in front of their flags.
void TFM_Performace::ConnectHandlers(PerformanceBand& band) {
    PerformanceBand* b = &band;
    OnEvent(band.ChanCombo->OnChange, [b](QObject*) { b->Chan->SetText(b->ChanCombo->Text()); });
    OnEvent(band.ApMode->OnChange, [this, b](QObject*) { ApModeChange(*b); });
    OnEvent(band.AutoScan->OnChange, [this, b](QObject*) { AutoScanChange(*b); });
    OnEvent(band.bgMode->OnChange, [this, b](QObject*) { BgModeChange(*b); });
    OnEvent(band.DateStatus->OnChange, [this, b](QObject*) { DateStatusChange(*b); });
    for (auto& twin : band.Twins) {
        TwinCombo* t = &twin;
        OnEvent(twin.Shown()->OnChange, [t](QObject*) { t->FollowShown(); });
    }
    for (TEdit* edit : {band.BeInt, band.DTIM, band.FragLen, band.RTS})
        OnEvent(edit->OnExit, [this, b, edit](QObject*) { CheckInputs(*b, true, edit); });
    OnClicked(band.ResetButton, [this, b] { ResetRateClick(*b); });
    if (b == &BandA) {
        OnClicked(band.Apply, [this] { Bt_Apply_aClick(BandA.Apply); });
        OnClicked(band.Refresh, [this] { Bt_Refresh_aClick(BandA.Refresh); });
    } else {
        OnClicked(band.Apply, [this] { Bt_Apply_gClick(BandG.Apply); });
        OnClicked(band.Refresh, [this] { Bt_Refresh_gClick(BandG.Refresh); });
    }
}

void TFM_Performace::FormCreate(QObject*) {
    Guard([this] {
        const bool live[] = {Pages_->Live(1), Pages_->Live(2)};
        auto& apMode = MakeRequest(ApModeRequest, MibRows::bopMode(), {.Kind = MVT_SV});
        auto& autoScan = MakeRequest(AutoScanRequest, MibRows::bAutoChannelScan(), {.Kind = MVT_SV});
        auto& wdsList = MakeRequest(WdsListRequest, MibRows::bSSID_to_bSecAccountPort(), {.Kind = MVT_SV});
        for (int row = 0; row < wdsList.Request.VarList.RowCount(); ++row)
            wdsList.Request.VarList.GetRow(row)->Access = ACC_INVALID;
        for (int i = 0; i < 2; ++i) {
            PerformanceBand& band = Band(i + 1);
            SetBandRow(apMode.Request.VarList, i, live[i]);
            SetBandRow(autoScan.Request.VarList, i, live[i]);
            SetBandRow(wdsList.Request.VarList, kWdsListRow[i], live[i], ACC_READONLY);
            if (live[i]) {
                apMode.BindComboBox(i, band.ApMode);
                autoScan.BindComboBox(i, band.AutoScan);
                wdsList.BindEdits(kWdsListRow[i], "%s", band.WdsChList);
            }
        }
        Read(apMode);
        ApModeChange(BandA);
        ApModeChange(BandG);
        Read(autoScan);
        AutoScanChange(BandA);
        AutoScanChange(BandG);
        Read(wdsList);

        // The b/g mode belongs to band 2 on a two-band device; its read completes from the pump.
        auto& bgMode = MakeRequest(BgModeRequest, MibRows::adbgMode(),
                                   {.Kind = MVT_SV, .Mode = NxSNMPRequest2Controls::ModeCallback});
        const int bgRow = live[1] ? 1 : 0;
        SetBandRow(bgMode.Request.VarList, bgRow, true);
        SetBandRow(bgMode.Request.VarList, 1 - bgRow, false);
        bgMode.BindComboBox(bgRow, Band(bgRow + 1).bgMode);
        if (live[1]) {
            BandA.bgLabel->hide();
            BandA.bgMode->hide();
        }
        bgMode.OnEndingGet = [this](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
            Guard([this, sender, result] {
                if (result && result->Code != 0) {
                    if (!KeepApplyFailure_) // a failed Apply's text stays in view
                        sender->ShowStatus(result->Message);
                    return;
                }
                OnBgModeRead();
            });
        };
        bgMode.Get();

        auto& priority = MakeRequest(PriorityRequest, MibRows::adMSSIDPriorityState(), {.Kind = MVT_SV});
        SetBandRow(priority.Request.VarList, 1, false); // never shown
        priority.BindComboBox(0, CB_Priority);
        Priority_.Probe(priority);

        if (live[0])
            CreateBand(BandA);
        if (live[1])
            CreateBand(BandG);
    });
    Guard([this] { PC_PerformaceChange(PC_Performace); });
}

void TFM_Performace::CreateBand(PerformanceBand& band) {
    const int n = band.Number;
    auto& radio = MakeRequest(band.RadioRequest,
                              n == 2 ? MibRows::adFrequency_to_adWMM_2() : MibRows::adFrequency_to_adWMM_1(),
                              {.Kind = MVT_SV});
    int row = 0;
    for (TEdit* edit : {band.Freq, band.Chan, band.ChList, band.DtRt, band.DtList})
        radio.BindEdits(row++, "%s", edit);
    for (TEdit* edit : {band.BeInt, band.DTIM, band.FragLen, band.RTS})
        radio.BindEdits(row++, "%u", edit);
    for (TComboBox* combo : {band.TranP, band.Radio, band.WMM})
        radio.BindComboBox(row++, combo);
    Read(radio);
    FillBandCombos(band);

    int radioHeight = band.RadioBox->height();
    int buttonsTop = band.Apply->y();
    if (n == 1) {
        if (SingleBandModel()) {
            MakeRequest(AntennaRequest, MibRows::adAntenna(), {.Kind = SVT_SV}).BindComboBox(0, CB_Antenna);
            Read(*AntennaRequest);
        }
        MakeRequest(IgmpRequest, MibRows::adIgmpSnooping(), {.Kind = MVT_SV}).BindComboBox(0, CB_Snooping);
        Igmp_.Probe(*IgmpRequest);
        Label20->setVisible(Igmp_.Supported());
        CB_Snooping->setVisible(Igmp_.Supported());
        radioHeight = kRadioHeight[Igmp_.Supported()];
        buttonsTop = kButtonsTop[Igmp_.Supported()];
    }

    auto& status = MakeRequest(band.RateStatusRequest, MibRows::adDataRateStatus(n), {.Kind = MVT_SV});
    status.BindComboBox(0, band.DateStatus);
    band.RateControl.Probe(status);
    MakeRequest(band.RateResetRequest, MibRows::adDataRateSetDefault(n), {.Kind = MVT_SV})
        .BindComboBox(0, band.ResetRate);
    auto& rates =
        MakeRequest(band.RatesRequest, MibRows::adDataRate1Mb_to_adDataRate54Mb(n), {.Kind = MVT_SV});
    for (int i = 0; i < PerformanceBand::kRates; ++i) {
        TComboBox* bound = band.Rate[size_t(i)];
        for (const auto& twin : band.Twins)
            if (twin.Shown() == bound)
                bound = twin.Bound();
        rates.BindComboBox(i, bound);
    }
    // A device without data-rate control has no per-rate values either.
    if (band.RateControl.Supported())
        Read(rates);
    SetRateChoices(band);
    ShowRateTwins(band);
    LayOutBand(band, radioHeight, buttonsTop);
}

// The radio group, then the data-rate group where the device has it, then the buttons; the page,
// the form and its status bar follow.
void TFM_Performace::LayOutBand(PerformanceBand& band, int radioHeight, int buttonsTop) {
    band.RadioBox->resize(band.RadioBox->width(), radioHeight);
    band.RatesBox->setVisible(band.RateControl.Supported());
    if (band.RateControl.Supported()) {
        band.RatesBox->move(band.RatesBox->x(), buttonsTop - kBoxGap);
        buttonsTop += band.RatesBox->height();
    }
    band.Apply->move(band.Apply->x(), buttonsTop);
    band.Refresh->move(band.Refresh->x(), buttonsTop);
    if (band.Number == 1 || !Pages_->Live(1)) {
        const int pageHeight = buttonsTop + band.Apply->height() + kPageMargin;
        PC_Performace->resize(PC_Performace->width(), pageHeight);
        const int formHeight = PC_Performace->y() + pageHeight + 2 + StatusBar->height();
        StatusBar->move(0, formHeight - StatusBar->height());
        setFixedSize(width(), formHeight);
    }
}

// The rates a b/g mode offers follow the answer, which comes after the blocking reads of the
// creation or a Refresh have set them from what was shown before.
void TFM_Performace::OnBgModeRead() {
    for (int n = 1; n <= 2; ++n)
        if (Pages_->Live(n) && Band(n).RatesRequest) {
            SetRateChoices(Band(n));
            ShowRateTwins(Band(n));
        }
    ResetDataRateCombos();
}

void TFM_Performace::PC_PerformaceChange(QObject*) {
    for (int n = 1; n <= 2; ++n) {
        if (!Pages_->Live(n))
            continue;
        PerformanceBand& band = Band(n);
        band.BeInt->SetMaxLength(4);
        band.DTIM->SetMaxLength(3);
        band.FragLen->SetMaxLength(4);
        band.RTS->SetMaxLength(4);
    }
    if (!Pages_->Live(1))
        return;
    ApModeChange(BandA);
    DateStatusChange(BandA);
    if (IgmpRequest && Igmp_.Supported())
        Read(*IgmpRequest);
    // With multi-SSID priority on, the device needs WMM.
    if (Priority_.Supported() && CB_Priority->GetItemIndex() == 1) {
        BandA.WMM->SetItemIndex(1);
        BandA.WMM->setEnabled(false);
    }
}

bool TFM_Performace::CheckInputs(PerformanceBand& band, bool onExit, TEdit* only) {
    const bool wds = band.Wds();
    const bool modeKnown = wds || band.ApMode->GetItemIndex() == 0;
    struct Range {
        TEdit* Edit;
        int Row; // of the radio group
        const char* Name;
        long Low, High;
    };
    // Without a known mode the RTS length takes the range of every mode; below it, the mode decides.
    const Range ranges[] = {{band.BeInt, 5, "beacon interval", 20, 1000},
                            {band.DTIM, 6, "DTIM", 1, 255},
                            {band.FragLen, 7, "fragment length", 256, 2346},
                            {band.RTS, 8, "RTS length", wds || !modeKnown ? 1 : 256, 2346}};
    for (const Range& r : ranges) {
        if (only && r.Edit != only)
            continue;
        const std::string text = r.Edit->Text();
        const long value = NumberOf(text);
        const bool inRange = !text.empty() && value >= r.Low && value <= r.High;
        std::string failure;
        if (!band.RadioRequest || !band.RadioRequest->Holds(r.Row))
            failure = NotReadText(r.Name);
        else if (!inRange)
            failure = "Please input a number between " + std::to_string(r.Low) + " and " +
                      std::to_string(r.High) + ".";
        else if (r.Edit == band.RTS && !modeKnown && value < 256)
            failure = UncheckedText("The AP mode is not known", "the RTS length");
        else
            continue;
        Pages_->Activate(band.Number);
        MessageBox(this, failure, onExit ? "Warning" : "Error", MB_OK);
        // Only what the user typed is emptied: a value the device holds stays in view.
        if (!inRange && (!onExit || r.Edit == band.RTS) && r.Edit->UserChanged())
            r.Edit->SetText("");
        r.Edit->setFocus();
        return false;
    }
    return true;
}

// The b/g write is judged on its result like every other write of the chain.
bool TFM_Performace::WriteBgMode(ApplyOutcome& tally) {
    const bool ok = Write(*BgModeRequest);
    if (!BgModeRequest->SentNothing) {
        if (!ok) {
            BgModeRequest->ShowStatus(BgModeRequest->Request.Result.Message);
        } else {
            ShowStatus("Get OK!");
            BgModeWritten_ = true;
        }
    }
    return tally.Add(*BgModeRequest, ok);
}

// What a visible combo cannot show is not written through the control bound behind it: the
// channel or data rate the list lacks, a rate the b/g mode does not offer. A choice it shows (the device's,
// the user's or a mode rule's) is the one to write.
void TFM_Performace::KeepUnshownOut(PerformanceBand& band, ApplyOutcome& tally,
                                    std::vector<std::unique_ptr<RowsLeftOut>>& keptOut) {
    for (const auto& [combo, row] :
         {std::pair{band.ChanCombo, kChannelRow}, std::pair{band.DtRtCombo, kDataRateRow}})
        if (combo->GetItemIndex() < 0) {
            keptOut.push_back(std::make_unique<RowsLeftOut>(band.RadioRequest->Request.VarList,
                                                            std::initializer_list<int>{row}));
            tally.LeftOut(true);
        }
    for (size_t i = 0; i < band.Twins.size(); ++i) {
        TwinCombo& twin = band.Twins[i];
        twin.FollowShown();
        if (twin.Shown() == twin.Bound() || !band.RatesRequest)
            continue;
        const int row = kTwinRates[i];
        if (twin.Shown()->GetItemIndex() >= 0) {
            band.RatesRequest->MarkAsked(row);
        } else if (twin.Shown()->ItemCount() > 0 && band.RatesRequest->Holds(row)) {
            // (A WDS link never offers these choices: the device's values stay as read.)
            keptOut.push_back(std::make_unique<RowsLeftOut>(band.RatesRequest->Request.VarList,
                                                            std::initializer_list<int>{row}));
            tally.LeftOut(true);
        }
    }
}

bool TFM_Performace::OpenApply(PerformanceBand& band, bool built, ApplyOutcome& tally,
                               std::vector<std::unique_ptr<RowsLeftOut>>& keptOut) {
    KeepApplyFailure_ = false;
    if (!built || !band.RadioRequest || !BgModeRequest || !CheckInputs(band, false, nullptr))
        return false;
    CopyComboToEdit(band.ChanCombo, band.Chan);
    CopyComboToEdit(band.DtRtCombo, band.DtRt);
    KeepUnshownOut(band, tally, keptOut);
    return true;
}

void TFM_Performace::Bt_Apply_aClick(QObject*) {
    PerformanceBand& band = BandA;
    const bool built = band.RatesRequest && IgmpRequest && (!SingleBandModel() || AntennaRequest);
    ApplyOutcome tally;
    std::vector<std::unique_ptr<RowsLeftOut>> keptOut;
    if (!OpenApply(band, built, tally, keptOut))
        return;
    // The chain stops at a refusal; a group with nothing read to send is passed over.
    auto write = [this, &tally](NxSNMPRequest2Controls& request) {
        return tally.Add(request, Write(request));
    };
    bool ok = write(*band.RadioRequest) && WriteBgMode(tally);
    if (ok && band.RateControl.Supported())
        ok = write(*band.RateStatusRequest) && write(*band.RatesRequest);
    if (ok && Igmp_.Supported())
        ok = write(*IgmpRequest);
    const bool chainDone = ok;
    if (ok && SingleBandModel())
        write(*AntennaRequest);
    keptOut.clear();
    const bool applied = tally.AllTaken();
    const std::string result = tally.Text(Band1SettingSuccess, Band1SettingError);
    if (!chainDone || !BgModeWritten_)
        return ShowStatus(result);
    KeepApplyFailure_ = !applied;
    ShowApplyResult(StatusBar, applied, result, [this, &band] { RefreshBand(band); });
}

void TFM_Performace::Bt_Apply_gClick(QObject*) {
    PerformanceBand& band = BandG;
    ApplyOutcome tally;
    std::vector<std::unique_ptr<RowsLeftOut>> keptOut;
    if (!OpenApply(band, true, tally, keptOut))
        return;
    tally.Add(*band.RadioRequest, Write(*band.RadioRequest)) && WriteBgMode(tally);
    keptOut.clear();
    ShowStatus(tally.Text(Band2SettingSuccess, Band2SettingError));
}

void TFM_Performace::Bt_Refresh_aClick(QObject*) {
    KeepApplyFailure_ = false;
    if (BandA.RadioRequest)
        RefreshBand(BandA);
}

void TFM_Performace::Bt_Refresh_gClick(QObject*) {
    PerformanceBand& band = BandG;
    KeepApplyFailure_ = false;
    if (!band.RadioRequest)
        return;
    Read(*band.RadioRequest);
    FillBandCombos(band);
    if (BgModeRequest && !BgModeRequest->Busy)
        BgModeRequest->Get();
}

void TFM_Performace::RefreshBand(PerformanceBand& band) {
    Read(*band.RadioRequest);
    FillBandCombos(band);
    if (BgModeRequest && !BgModeRequest->Busy)
        BgModeRequest->Get();
    if (band.RateControl.Supported()) {
        Read(*band.RateStatusRequest);
        Read(*band.RatesRequest);
    }
    if (Igmp_.Supported())
        Read(*IgmpRequest);
    if (AntennaRequest)
        Read(*AntennaRequest);
    SetRateChoices(band);
    ShowRateTwins(band);
    DateStatusChange(band);
}

bool PerformanceBand::Wds() const {
    const int mode = ApMode->GetItemIndex();
    return mode == 1 || mode == 2;
}

// The channels of the band's mode; without a known mode neither list is the band's, and no
// channel is offered.
void TFM_Performace::FillBandCombos(PerformanceBand& band) {
    if (band.ApMode->GetItemIndex() == 0 || band.Wds())
        FillChannelCombo(band.Wds() ? band.WdsChList : band.ChList, band.ChanCombo, band.Chan);
    else
        band.ChanCombo->ClearItems();
    FillDataRateCombo(band.DtList, band.DtRtCombo, band.DtRt, 1);
}

void TFM_Performace::FillChannelCombo(TEdit* list, TComboBox* combo, TEdit* channel) {
    FillListCombo(combo, list->Text(), channel->Text());
}

void TFM_Performace::FillDataRateCombo(TEdit* list, TComboBox* combo, TEdit* rate, int withUnit) {
    // A rate the list lacks shows no choice: "Auto" in its place would be written.
    FillListCombo(combo, list->Text(), rate->Text(), withUnit ? " Mb" : "", "Auto");
}

// A combo that shows no entry (the device's value is not in its list) leaves the edit's value alone.
void TFM_Performace::CopyComboToEdit(TComboBox* combo, TEdit* edit) {
    if (combo->GetItemIndex() >= 0)
        edit->SetText(ListEntryOf(combo->Text()));
}

void ShowPerformanceForm() {
    ShowModalForm<TFM_Performace>();
}
