#include "forms/network/GroupingForm.h"

#include <QAbstractButton>
#include <utility>

TGroupingForm::TGroupingForm(QWidget* owner) : TSettingsForm(owner) {}

void TGroupingForm::SetUpGrouping(TStatusBar* bar, QAbstractButton* apply, QAbstractButton* cancel,
                                  std::function<void()> onApply) {
    SetUpWindow(bar);
    OnClicked(apply, std::move(onApply));
    OnCancel(cancel);
}

bool TGroupingForm::BuildAndRead(TFormRequest<NxSNMPRequest2Edits>& slot, const VarDef* table,
                                 const RequestOptions& options,
                                 const std::function<void(NxSNMPRequest2Edits&)>& bind) {
    const bool built = BuildRequests([&] { bind(MakeRequest(slot, table, options)); });
    return built && Read(*slot);
}

void TGroupingForm::WriteSettings(NxSNMPRequest2Edits& request) {
    WriteAndShow(request, "Setting OK!", "Setting Error!");
}
