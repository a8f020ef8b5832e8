#pragma once
// What an option list needs of a combo box or a radio group. The platform's controls
// implement it, so option lists stay testable without a display.
#include <string>

class NxItemControl {
  public:
    virtual ~NxItemControl() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& text) = 0;
    virtual int GetItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0; // -1: nothing selected
};
