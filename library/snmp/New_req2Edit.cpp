#include "library/snmp/New_req2Edit.h"

#include "library/snmp/NxSNMPValue.h"

New_req2Edit::New_req2Edit(QWidget* owner) : NxSNMPRequest2Edits(owner) {}

void New_req2Edit::ShowValues() {
    if (!ListView()) {
        ValuesToControls(-1);
        return;
    }
    if (RowText(*Request.VarList.GetRow(KeyItem)) == StopValue)
        return;
    AddListRow();
    ++RowCounter;
}

void New_req2Edit::AddListRow() {
    const std::string number = std::to_string(RowCounter);
    AddListRowWith(&number);
}
