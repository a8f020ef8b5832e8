#pragma once
// One binding of a row (item) of a request's variable list to one or more controls of a form.
#include "platform/Events.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <vector>

class NxOptionList;

struct NxSNMPBinding {
    int32_t Item = 0;
    int32_t ByteOffset = 0; // where the bound part starts in the row's value bytes
    int32_t Syntax = 0;     // the syntax the part is converted under
    NxOptionList* Options = nullptr;
    int32_t ControlCount = 0;
    std::vector<int32_t> Bits; // bit numbers of check boxes bound to single bits; empty: none
    std::vector<QPointer<QWidget>> Controls;
    std::vector<TNotifyEvent> SavedHandlers; // the handler each control had before it was chained
    // Whether the controls hold a value to write: Held when the last showing of a read could show
    // its value there; Asked when the user chose or typed since (the controls keep their own flag,
    // UserChanged) or the form's code put a value in for the write.
    bool Held = false;
    bool Asked = false;
    // The last read answered but its value is not among what the controls can show: the row is
    // known to the device and unknown to the form, which is not the same as never read.
    bool Unshown = false;

    bool UsesWholeValue(int32_t rowSyntax) const { return ByteOffset == 0 && Syntax == rowSyntax; }
};
