#pragma once
// An item control without widgets: what an option list fills into it and selects stays readable.
#include "library/common/NxItemControl.h"

#include <string>
#include <vector>

struct FakeCombo : NxItemControl {
    std::vector<std::string> items;
    int index = -1;
    void ClearItems() override { items.clear(), index = -1; }
    void AddItem(const std::string& t) override { items.push_back(t); }
    int GetItemIndex() const override { return index; }
    void SetItemIndex(int i) override { index = i; }
};
