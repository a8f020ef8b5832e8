#pragma once
// A request's own deep copy of one static table of MIB object rows, with the run-time value
// and walk cursor of each row.
#include "library/common/NxOptionList.h"
#include "library/snmp/VarDef.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class NxSNMPVarList {
  public:
    NxSNMPVarList();
    NxSNMPVarList(const VarDef* table, uint8_t itemType, int32_t keyCount);
    NxSNMPVarList(const NxSNMPVarList& other);
    NxSNMPVarList& operator=(const NxSNMPVarList& other); // keeps this list's BaseOID
    ~NxSNMPVarList();

    void Append(const VarDef* table); // rows up to the null OID
    void Clear();

    VarDef* GetRow(int index) const { return Rows_[static_cast<size_t>(index)]; }
    int RowCount() const { return static_cast<int>(Rows_.size()); }
    // The row's OID read relative to BaseOID when that is set.
    std::string ColumnOID(int index) const;

    bool IsReadable(int i) const;
    bool IsSettable(int i) const;
    bool IsListed(int i) const;
    int CountListed() const;
    bool IsUnlisted(int i) const;
    int CountUnlisted() const;
    bool IsImplied(int i) const;

    // Option lists that live and die with this list (rows may point at them).
    NxOptionList* OwnOptionList(std::unique_ptr<NxOptionList> list);
    int OwnedOptionListCount() const { return static_cast<int>(OwnedOptions_.size()); }

    std::string BaseOID;
    int32_t KeyCount = 0;
    uint8_t ItemType = SVT_SV;
    std::string ListText;

  private:
    std::vector<VarDef*> Rows_;
    std::vector<std::unique_ptr<NxOptionList>> OwnedOptions_;
};

// Deep copy of one row: texts and run-time strings are new; the option list is shared.
VarDef* CopyVarDef(const VarDef& source);
void FreeVarDef(VarDef* row);
