#include "app/mib/FreeRowTable.h"

#include "platform/ListView.h"

#include <utility>

FreeRowTable::FreeRowTable(TListView* allRows, std::vector<int> addressColumns, std::string zeroValue)
    : View_(allRows), AddressColumns_(std::move(addressColumns)), ZeroValue_(std::move(zeroValue)) {}

int FreeRowTable::Count() const {
    return View_ ? View_->ItemCount() : 0;
}

std::string FreeRowTable::Address(int row, int column) const {
    if (row < 0 || row >= Count() || column < 0 || column >= AddressColumnCount())
        return {};
    return View_->SubItem(row, AddressColumns_[size_t(column)]);
}

bool FreeRowTable::IsFree(int row) const {
    if (row < 0 || row >= Count())
        return false;
    for (int column = 0; column < AddressColumnCount(); ++column)
        if (Address(row, column) != ZeroValue_)
            return false;
    return true;
}

int FreeRowTable::FirstFree() const {
    return Find([this](int row) { return IsFree(row); });
}

int FreeRowTable::Find(const std::function<bool(int row)>& match) const {
    for (int row = 0; row < Count(); ++row)
        if (match(row))
            return row;
    return -1;
}

int FreeRowTable::FindAddress(const std::vector<std::string>& address) const {
    if (int(address.size()) != AddressColumnCount())
        return -1;
    return Find([&](int row) {
        for (int column = 0; column < AddressColumnCount(); ++column)
            if (Address(row, column) != address[size_t(column)])
                return false;
        return true;
    });
}

bool FreeRowTable::Select(int row) {
    if (row < 0 || row >= Count())
        return false;
    // Selecting the selected row again fires no selection event, so clear it first.
    if (View_->ItemIndex() == row)
        View_->SetItemIndex(-1);
    View_->SetItemIndex(row);
    return true;
}

int FreeRowTable::Selected() const {
    return View_ ? View_->ItemIndex() : -1;
}
