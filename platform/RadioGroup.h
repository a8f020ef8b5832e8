#pragma once
// A group box of radio buttons built from an item list, with one ItemIndex. OnClick fires when
// an item becomes the checked one, whether the user clicked it or code set the index.
#include "library/common/NxItemControl.h"
#include "platform/Events.h"

#include <QGroupBox>
#include <string>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class TRadioGroup : public QGroupBox, public NxItemControl {
    Q_OBJECT
  public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    void ClearItems() override;
    void AddItem(const std::string& text) override;
    int GetItemIndex() const override { return ItemIndex_; }
    void SetItemIndex(int index) override; // out of range or -1: no item checked

    int ItemCount() const { return int(Buttons_.size()); }
    std::string ItemText(int index) const;
    QRadioButton* Button(int index) const { return Buttons_.at(size_t(index)); }
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int Columns() const { return Columns_; }
    void SetColumns(int columns);

    // Set by the user's own clicks only, never by code, as TEdit's.
    bool UserChanged() const { return UserChanged_; }
    void ClearUserChanged() { UserChanged_ = false; }

    TNotifyEvent OnClick;
    int Tag = 0;

  signals:
    void Chosen(int index); // the user clicked an item (code setting the index emits nothing)

  private:
    void Arrange();
    QButtonGroup* Group_;
    QGridLayout* Layout_;
    std::vector<QRadioButton*> Buttons_;
    int ItemIndex_ = -1;
    bool UserChanged_ = false;
    int Columns_ = 1;
};
