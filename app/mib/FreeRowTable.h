#pragma once
// The rows of a fixed-size device table (access lists, static DHCP pool, administrator ranges):
// the device never creates or removes one; a row whose address columns all hold the zero value is
// free. A form walks every row into a hidden list view (caption: the index, sub-items: the other
// columns in table order) and keeps this view of it: adding selects the first free row (which fills
// the request's bound controls) and writes it, deleting selects the used row and writes the zero
// value into its address columns.
#include <functional>
#include <string>
#include <vector>

class TListView;

// Refusal of an add when no free row is left (titled "Warning").
inline constexpr char kTableFullText[] = "The list is full. Please delete an entry first.";

class FreeRowTable {
  public:
    // addressColumns: sub-item numbers of the address (one column, or From and To);
    // zeroValue: the text every one of them holds in a free row ("000000000000", "0.0.0.0").
    FreeRowTable(TListView* allRows, std::vector<int> addressColumns, std::string zeroValue);

    const std::string& ZeroValue() const { return ZeroValue_; }
    int AddressColumnCount() const { return int(AddressColumns_.size()); }

    int Count() const;
    // The text of an address column (0 .. AddressColumnCount() - 1) of a row.
    std::string Address(int row, int column = 0) const;
    bool IsFree(int row) const;
    // -1 when the table is full (or was not read).
    int FirstFree() const;
    // The first row for which match holds, -1 for none.
    int Find(const std::function<bool(int row)>& match) const;
    // The first row whose address columns hold exactly these texts.
    int FindAddress(const std::vector<std::string>& address) const;

    // Selects the row in the view, so that the request attached to it fills its bound controls
    // from it, also when the row was already selected (the controls may hold edited text).
    // False for a row that does not exist: then nothing changes.
    bool Select(int row);
    // The selected row, -1 for none.
    int Selected() const;

  private:
    TListView* View_;
    std::vector<int> AddressColumns_;
    std::string ZeroValue_;
};
