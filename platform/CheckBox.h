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

    // Set by the user's own clicks only, never by code, as TEdit's.
    bool UserChanged() const { return UserChanged_; }
    void ClearUserChanged() { UserChanged_ = false; }

    TNotifyEvent OnClick;
    int Tag = 0;

  private:
    bool UserChanged_ = false;
};
