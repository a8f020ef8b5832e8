#pragma once
// Leaves rows of a variable list out of the next write (their access marked invalid) and gives
// every row back its access however the write ends, so that a failed or raising write never
// leaves a column off.
#include "library/snmp/NxSNMPVarList.h"

#include <initializer_list>
#include <utility>
#include <vector>

class RowsLeftOut {
  public:
    RowsLeftOut(NxSNMPVarList& list, const std::vector<int>& rows) : List_(list) {
        for (int row : rows) {
            Saved_.emplace_back(row, List_.GetRow(row)->Access);
            List_.GetRow(row)->Access |= ACC_INVALID;
        }
    }
    RowsLeftOut(NxSNMPVarList& list, std::initializer_list<int> rows)
        : RowsLeftOut(list, std::vector<int>(rows)) {}
    ~RowsLeftOut() {
        for (const auto& [row, access] : Saved_)
            List_.GetRow(row)->Access = access;
    }
    RowsLeftOut(const RowsLeftOut&) = delete;
    RowsLeftOut& operator=(const RowsLeftOut&) = delete;

  private:
    NxSNMPVarList& List_;
    std::vector<std::pair<int, uint32_t>> Saved_;
};
