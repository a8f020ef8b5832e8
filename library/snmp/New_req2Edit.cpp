#include "library/snmp/New_req2Edit.h"

#include "library/snmp/NxSNMPValue.h"
#include "platform/Clock.h"

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
    ProcessMessages();
}

void New_req2Edit::AddListRow() {
    TListView* view = ListView();
    if (!view)
        return;
    const NxSNMPVarList& list = Request.VarList;
    int item = -1;
    auto add = [&](int i) {
        if (item < 0)
            item = view->AddItem(std::to_string(RowCounter));
        else
            view->AddSubItem(item, RowText(*list.GetRow(i)));
    };
    for (int i = 0; i < list.RowCount(); ++i)
        if (list.IsUnlisted(i))
            add(i);
    for (int i = 0; i < list.RowCount(); ++i)
        if (list.IsListed(i))
            add(i);
}
