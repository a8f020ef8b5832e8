#include "library/snmp/NxSNMPVarList.h"

#include <cstring>

namespace {

char* CopyText(const char* text) {
    if (!text)
        return nullptr;
    const size_t n = std::strlen(text) + 1;
    char* copy = new char[n];
    std::memcpy(copy, text, n);
    return copy;
}

int CountRows(const VarDef* table) {
    int n = 0;
    if (table)
        while (table[n].OID)
            ++n;
    return n;
}

} // namespace

VarDef* CopyVarDef(const VarDef& source) {
    VarDef* row = new VarDef{};
    row->OID = CopyText(source.OID);
    row->Name = CopyText(source.Name);
    row->Syntax = source.Syntax;
    row->Access = source.Access;
    row->Options = source.Options;
    row->AfterGet = CopyText(source.AfterGet);
    row->BeforeSet = CopyText(source.BeforeSet);
    row->Condition = CopyText(source.Condition);
    row->Value = new std::string(source.Value ? *source.Value : std::string());
    row->Cursor = new std::string(source.Cursor ? *source.Cursor : std::string());
    return row;
}

void FreeVarDef(VarDef* row) {
    if (!row)
        return;
    delete[] row->OID;
    delete[] row->Name;
    delete[] row->AfterGet;
    delete[] row->BeforeSet;
    delete[] row->Condition;
    delete row->Value;
    delete row->Cursor;
    delete row;
}

NxSNMPVarList::NxSNMPVarList() = default;

NxSNMPVarList::NxSNMPVarList(const VarDef* table, uint8_t itemType, int32_t keyCount)
    : KeyCount(keyCount), ItemType(itemType) {
    Append(table);
}

NxSNMPVarList::NxSNMPVarList(const NxSNMPVarList& other) {
    *this = other;
}

NxSNMPVarList& NxSNMPVarList::operator=(const NxSNMPVarList& other) {
    if (this == &other)
        return *this;
    Clear();
    ItemType = other.ItemType;
    KeyCount = other.KeyCount;
    ListText = other.ListText;
    Rows_.reserve(other.Rows_.size());
    for (const VarDef* row : other.Rows_)
        Rows_.push_back(CopyVarDef(*row));
    return *this;
}

NxSNMPVarList::~NxSNMPVarList() {
    Clear();
}

void NxSNMPVarList::Append(const VarDef* table) {
    const int n = CountRows(table);
    Rows_.reserve(Rows_.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        Rows_.push_back(CopyVarDef(table[i]));
}

void NxSNMPVarList::Clear() {
    for (VarDef* row : Rows_)
        FreeVarDef(row);
    Rows_.clear();
}

std::string NxSNMPVarList::ColumnOID(int index) const {
    const VarDef* row = GetRow(index);
    const std::string oid = row->OID ? row->OID : "";
    return BaseOID.empty() ? oid : BaseOID + "." + oid;
}

bool NxSNMPVarList::IsReadable(int i) const {
    const uint32_t a = GetRow(i)->Access;
    return !(a & ACC_INVALID) && (a & ACC_READONLY);
}

bool NxSNMPVarList::IsSettable(int i) const {
    const uint32_t a = GetRow(i)->Access;
    if (a & ACC_INVALID)
        return false;
    if (a & ACC_WRITEONLY)
        return true;
    return i < KeyCount && (ItemType == MVT_FMV || ItemType == MVT_UMV);
}

bool NxSNMPVarList::IsListed(int i) const {
    const uint32_t a = GetRow(i)->Access;
    if (a & (ACC_INVALID | ACC_HIDDEN))
        return false;
    return (a & (ACC_NOTACCESS | ACC_DERIVED | ACC_READONLY)) != 0;
}

int NxSNMPVarList::CountListed() const {
    int n = 0;
    for (int i = 0; i < RowCount(); ++i)
        n += IsListed(i);
    return n;
}

bool NxSNMPVarList::IsUnlisted(int i) const {
    const uint32_t a = GetRow(i)->Access;
    return a == ACC_WRITEONLY || (a & (ACC_INVALID | ACC_HIDDEN));
}

int NxSNMPVarList::CountUnlisted() const {
    int n = 0;
    for (int i = 0; i < RowCount(); ++i)
        n += IsUnlisted(i);
    return n;
}

bool NxSNMPVarList::IsImplied(int i) const {
    return (GetRow(i)->Access & ACC_IMPLIED) != 0;
}

NxOptionList* NxSNMPVarList::OwnOptionList(std::unique_ptr<NxOptionList> list) {
    OwnedOptions_.push_back(std::move(list));
    return OwnedOptions_.back().get();
}
