#pragma once
// A check box whose OnClick fires whenever its checked state changes, from the user or from code.
#include "platform/Events.h"

#include <QCheckBox>
#include <string>

class TCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit TCheckBox(QWidget* parent = nullptr);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }
    std::string Caption() const;
    void SetCaption(const std::string& caption);

    TNotifyEvent OnClick;
    int Tag = 0;
};
