#pragma once
// A visible combo box whose choices change with a mode, and the hidden combo box bound to the
// object, which keeps the object's whole option list. The user works on the visible one; the
// bound one is what a write sends. Both may be the same control (then the pair keeps nothing).
#include <string>
#include <vector>

class TComboBox;

class TwinCombo {
  public:
    TwinCombo(TComboBox* shown, TComboBox* bound) : Shown_(shown), Bound_(bound) {}

    // After a read: the visible combo shows the bound one's value; its text is remembered.
    void ShowBound();
    // After a change by the user or before a write: the bound combo takes the item with the
    // visible one's text (kept when the visible one shows nothing).
    void FollowShown();
    // New choices for the visible combo with `index` selected.
    void SetChoices(const std::vector<std::string>& items, int index);
    // New choices with the text remembered at the last read selected, `fallback` when it is not
    // among them.
    void SetChoicesKeeping(const std::vector<std::string>& items, int fallback);

    const std::string& Remembered() const { return Remembered_; }
    TComboBox* Shown() const { return Shown_; }
    TComboBox* Bound() const { return Bound_; }

  private:
    TComboBox* Shown_;
    TComboBox* Bound_;
    std::string Remembered_;
};
