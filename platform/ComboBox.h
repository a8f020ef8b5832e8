#pragma once
// A combo box whose OnChange fires only when the user picks an item (or types, when editable);
// setting the item index from code fires nothing.
#include "library/common/NxItemControl.h"
#include "platform/Events.h"

#include <QComboBox>
#include <string>

class TComboBox : public QComboBox, public NxItemControl {
    Q_OBJECT
  public:
    enum Style { csDropDown, csDropDownList };
    explicit TComboBox(QWidget* parent = nullptr);

    void ClearItems() override;
    void AddItem(const std::string& text) override; // selects nothing by itself
    int GetItemIndex() const override { return currentIndex(); }
    void SetItemIndex(int index) override; // out of range or -1: nothing selected

    int ItemCount() const { return count(); }
    std::string ItemText(int index) const;
    std::string Text() const; // the selected item's text, or what was typed
    void SetStyle(Style style);
    Style GetStyle() const { return isEditable() ? csDropDown : csDropDownList; }

    // Set by the user's own picks (or typing, when editable) only, never by code, as TEdit's.
    bool UserChanged() const { return UserChanged_; }
    void ClearUserChanged() { UserChanged_ = false; }

    TNotifyEvent OnChange;
    int Tag = 0;

  private:
    bool UserChanged_ = false;
};
