#pragma once
// What the grouping forms (load balancing, WLAN partition) share: one request of the device's
// grouping objects, read when the form opens; Apply writes it and says "Setting OK!" or "Setting
// Error!" on the form's plain status bar; Cancel closes.
#include "app/forms/SettingsForm.h"

#include <functional>

class QAbstractButton;
class TStatusBar;

class TGroupingForm : public TSettingsForm {
    Q_OBJECT
  protected:
    explicit TGroupingForm(QWidget* owner);

    // Call after setupUi: the window with its bar, Apply run as one pass, Cancel closing.
    void SetUpGrouping(TStatusBar* bar, QAbstractButton* apply, QAbstractButton* cancel,
                       std::function<void()> onApply);
    // Builds the request with `bind` and, when built, reads it (blocking). True when read.
    bool BuildAndRead(TFormRequest<NxSNMPRequest2Edits>& slot, const VarDef* table,
                      const RequestOptions& options, const std::function<void(NxSNMPRequest2Edits&)>& bind);
    // Apply's write of the request, with its result on the bar.
    void WriteSettings(NxSNMPRequest2Edits& request);
};
