#include "library/snmp/NxSNMPRequest2Edits.h"

#include "library/common/NxNumList.h"
#include "library/common/NxOptionList.h"
#include "library/snmp/NxBindingBytes.h"
#include "library/snmp/NxBindingErrors.h"
#include "library/snmp/NxEditSplit.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/ControlClass.h"
#include "platform/Exception.h"

#include <algorithm>
#include <cstring>
#include <exception>

namespace {

bool IsBooleanSyntax(int32_t syntax) {
    return syntax == SYN_BOOLEAN || syntax == SYN_BOOL8 || syntax == SYN_BOOL16;
}

bool IsStringSyntax(int32_t syntax) {
    return syntax == SYN_DISPLAYSTR || syntax == SYN_OCTETSTR || syntax == SYN_BITSTR ||
           syntax == SYN_OPAQUE || syntax == SYN_MACADDRESS;
}

// The rows in list-view column order: the rows kept out of the list first, then the listed ones.
std::vector<int> ColumnRows(const NxSNMPVarList& list) {
    std::vector<int> rows;
    for (int i = 0; i < list.RowCount(); ++i)
        if (list.IsUnlisted(i))
            rows.push_back(i);
    for (int i = 0; i < list.RowCount(); ++i)
        if (list.IsListed(i))
            rows.push_back(i);
    return rows;
}

std::vector<TEdit*> EditsOf(const NxSNMPBinding& b) {
    std::vector<TEdit*> edits;
    for (const auto& c : b.Controls)
        if (TEdit* e = AsEdit(c.data()))
            edits.push_back(e);
    return edits;
}

void SetControlText(QWidget* control, const std::string& text) {
    if (TEdit* edit = AsEdit(control))
        edit->SetText(text);
    else if (TLabel* label = AsLabel(control))
        label->SetCaption(text);
    else if (TComboBox* combo = AsComboBox(control))
        combo->setCurrentText(QString::fromLatin1(text.data(), qsizetype(text.size())));
}

std::string ControlText(QWidget* control) {
    if (TEdit* edit = AsEdit(control))
        return edit->Text();
    if (TLabel* label = AsLabel(control))
        return label->Caption();
    if (TComboBox* combo = AsComboBox(control))
        return combo->Text();
    return {};
}

// Bit b of a value counts from the most significant bit of byte b / 8.
uint8_t BitMask(int32_t bit) {
    return uint8_t(UIntPower(2, 7 - bit % 8));
}

// What a row holds before its controls are read back, as bytes the parts are written over. A
// text that is no value of the row's syntax (another column's, a list cell's) is replaced whole
// by what the controls hold: only what is written must convert.
std::string BaseBytes(const VarDef& row) {
    try {
        return TextToBytes(row.Syntax, RowKeyText(row));
    } catch (const Exception& e) {
        if (e.HelpContext != NXSNMP_BAD_SYNTAX)
            throw;
        return {};
    }
}

// The platform's record of the user's own change, for every control class that keeps one.
bool UserChanged(QWidget* control) {
    if (TEdit* edit = AsEdit(control))
        return edit->UserChanged();
    if (TComboBox* combo = AsComboBox(control))
        return combo->UserChanged();
    if (TCheckBox* box = AsCheckBox(control))
        return box->UserChanged();
    if (TRadioGroup* group = AsRadioGroup(control))
        return group->UserChanged();
    return false;
}

void ClearUserChanged(QWidget* control) {
    if (TEdit* edit = AsEdit(control))
        edit->ClearUserChanged();
    else if (TComboBox* combo = AsComboBox(control))
        combo->ClearUserChanged();
    else if (TCheckBox* box = AsCheckBox(control))
        box->ClearUserChanged();
    else if (TRadioGroup* group = AsRadioGroup(control))
        group->ClearUserChanged();
}

bool AnyUserChanged(const NxSNMPBinding& b) {
    return std::any_of(b.Controls.begin(), b.Controls.end(),
                       [](const auto& c) { return UserChanged(c.data()); });
}

std::string ExceptionText(const std::exception& e) {
    if (const auto* ex = dynamic_cast<const Exception*>(&e))
        return ex->Message;
    return e.what();
}

} // namespace

NxSNMPRequest2Edits::NxSNMPRequest2Edits(QWidget* owner)
    : NxSNMPRequest2Controls(owner), Constraints_(owner, 1),
      Self_(std::make_shared<NxSNMPRequest2Edits*>(this)) {}

NxSNMPRequest2Edits::~NxSNMPRequest2Edits() = default;

VarDef& NxSNMPRequest2Edits::RowOf(int item) const {
    return *Request.VarList.GetRow(item);
}

NxOptionList* NxSNMPRequest2Edits::OptionsFor(const NxSNMPBinding& b, const VarDef& row) const {
    if (b.Options)
        return b.Options;
    return b.UsesWholeValue(row.Syntax) ? row.Options : nullptr;
}

// ---- binding -------------------------------------------------------------------------------

void NxSNMPRequest2Edits::BindLabel(int item, TLabel* label) {
    AddBinding(item, 0, RowOf(item).Syntax, nullptr, label, nullptr, 0);
}

void NxSNMPRequest2Edits::BindCheckBox(int item, TCheckBox* box) {
    AddBinding(item, 0, RowOf(item).Syntax, nullptr, box, nullptr, 0);
}

void NxSNMPRequest2Edits::BindComboBox(int item, TComboBox* combo, QWidget* second) {
    combo->SetStyle(TComboBox::csDropDownList);
    AddBinding(item, 0, RowOf(item).Syntax, nullptr, combo, second, 0);
}

void NxSNMPRequest2Edits::BindRadioGroup(int item, TRadioGroup* group, int number) {
    AddBinding(item, 0, RowOf(item).Syntax, nullptr, group, nullptr, number);
}

void NxSNMPRequest2Edits::AddBinding(int item, int32_t byteOffset, int32_t syntax, NxOptionList* options,
                                     QWidget* control, QWidget* second, int /*number*/) {
    const VarDef& row = RowOf(item);
    if (!options && byteOffset == 0 && syntax == row.Syntax)
        options = row.Options;
    TComboBox* combo = AsComboBox(control);
    TRadioGroup* group = AsRadioGroup(control);
    if ((combo || group) && !options)
        RaiseSnmpError(NXSNMP_BIND_NO_OPTIONS);
    if (combo) {
        options->FillComboBox(*combo);
        if (options->GetKind() == NxOptionList::PrefixKeys && !second)
            RaiseSnmpError(NXSNMP_BIND_TOO_FEW);
    } else if (group) {
        options->FillRadioGroup(*group);
    }
    auto b = std::make_unique<NxSNMPBinding>();
    b->Item = item;
    b->ByteOffset = byteOffset;
    b->Syntax = syntax;
    b->Options = options;
    b->Controls.push_back(control);
    if (second)
        b->Controls.push_back(second);
    b->ControlCount = int32_t(b->Controls.size());
    ChainEvents(*b);
    WatchUserChoice(*b);
    Bindings_.push_back(std::move(b));
}

void NxSNMPRequest2Edits::BindEditList(int item, const std::string& format,
                                       const std::vector<QWidget*>& controls) {
    std::vector<QWidget*> taken;
    size_t next = 0;
    for (size_t at = format.find('%'); at != std::string::npos && at + 1 < format.size();
         at = format.find('%', at + 2)) {
        if (std::strchr("shiufn", format[at + 1]) && next < controls.size())
            taken.push_back(controls[next++]);
    }
    Constraints_.Add(format, taken);
    AddFormatBinding(item, 0, RowOf(item).Syntax, nullptr, format, taken);
}

void NxSNMPRequest2Edits::AddFormatBinding(int item, int32_t byteOffset, int32_t syntax,
                                           NxOptionList* options, const std::string& /*format*/,
                                           const std::vector<QWidget*>& controls) {
    auto b = std::make_unique<NxSNMPBinding>();
    b->Item = item;
    b->ByteOffset = byteOffset;
    b->Syntax = syntax;
    b->Options = options;
    for (QWidget* c : controls)
        b->Controls.push_back(c);
    b->ControlCount = int32_t(b->Controls.size());
    ChainEvents(*b);
    Bindings_.push_back(std::move(b));
}

namespace {
bool SameOwner(const std::weak_ptr<NxSNMPRequest2Edits*>& a, const std::weak_ptr<NxSNMPRequest2Edits*>& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}
} // namespace

struct NxSNMPRequest2Edits::ChangeHandler {
    std::weak_ptr<NxSNMPRequest2Edits*> Self;
    TNotifyEvent Saved;
    void operator()(QObject* sender) const {
        if (auto alive = Self.lock())
            (*alive)->OnBoundControlChange(sender);
        else if (Saved)
            Saved(sender);
    }
};

struct NxSNMPRequest2Edits::SelectHandler {
    std::weak_ptr<NxSNMPRequest2Edits*> Self;
    TListView::TSelectItemEvent Saved;
    void operator()(QObject* sender, int item, bool selected) const {
        if (auto alive = Self.lock())
            (*alive)->OnListSelect(sender, item, selected);
        else if (Saved)
            Saved(sender, item, selected);
    }
};

void NxSNMPRequest2Edits::ChainEvents(NxSNMPBinding& b) {
    std::weak_ptr<NxSNMPRequest2Edits*> self = Self_;
    for (const auto& c : b.Controls) {
        TNotifyEvent* slot = nullptr;
        if (TComboBox* combo = AsComboBox(c.data()))
            slot = &combo->OnChange;
        else if (TCheckBox* box = AsCheckBox(c.data()))
            slot = &box->OnClick;
        else if (TRadioGroup* group = AsRadioGroup(c.data()))
            slot = &group->OnClick;
        if (!slot) {
            b.SavedHandlers.emplace_back();
            continue;
        }
        TNotifyEvent saved = *slot;
        if (const auto* own = saved.target<ChangeHandler>(); own && SameOwner(own->Self, self))
            saved = own->Saved;
        b.SavedHandlers.push_back(saved);
        *slot = ChangeHandler{self, saved};
    }
}

void NxSNMPRequest2Edits::WatchUserChoice(NxSNMPBinding& b) {
    std::weak_ptr<NxSNMPRequest2Edits*> self = Self_;
    NxSNMPBinding* binding = &b; // the bindings live as long as this object
    auto asked = [self, binding] {
        if (self.lock())
            binding->Asked = true;
    };
    for (const auto& c : b.Controls) {
        if (TCheckBox* box = AsCheckBox(c.data()))
            QObject::connect(box, &QAbstractButton::clicked, box, asked);
        else if (TRadioGroup* group = AsRadioGroup(c.data()))
            QObject::connect(group, &TRadioGroup::Chosen, group, asked);
    }
}

void NxSNMPRequest2Edits::OnBoundControlChange(QObject* sender) {
    // The form's own handler runs once, also for a control bound more than once.
    const TNotifyEvent* formHandler = nullptr;
    for (const auto& b : Bindings_)
        for (size_t i = 0; i < b->Controls.size() && !formHandler; ++i)
            if (b->Controls[i].data() == sender)
                formHandler = &b->SavedHandlers[i];
    // A combo box fires only for the user's choice.
    if (AsComboBox(sender))
        for (const auto& b : Bindings_)
            for (const auto& c : b->Controls)
                if (c.data() == sender)
                    b->Asked = true;
    if (formHandler && *formHandler)
        (*formHandler)(sender);
    Changed = 1;
}

void NxSNMPRequest2Edits::MarkAsked(int item) {
    for (const auto& b : Bindings_)
        if (item < 0 || b->Item == item)
            b->Asked = true;
}

bool NxSNMPRequest2Edits::HoldsValue(const NxSNMPBinding& b) {
    return b.Held || b.Asked || AnyUserChanged(b);
}

bool NxSNMPRequest2Edits::Holds(int item) const {
    bool bound = false;
    for (const auto& b : Bindings_) {
        if (b->Item != item || b->Controls.empty() || !b->Controls[0])
            continue;
        if (HoldsValue(*b))
            return true;
        bound = true;
    }
    return !bound;
}

bool NxSNMPRequest2Edits::RowUnshown(int item) const {
    if (Holds(item))
        return false;
    return std::any_of(Bindings_.begin(), Bindings_.end(),
                       [item](const auto& b) { return b->Item == item && b->Unshown; });
}

std::vector<int> NxSNMPRequest2Edits::RowsNotAsked() const {
    const NxSNMPVarList& list = Request.VarList;
    const bool table = list.ItemType == MVT_FMV || list.ItemType == MVT_UMV;
    std::vector<int> rows;
    for (int i = 0; i < list.RowCount(); ++i) {
        if (!list.IsSettable(i) || (table && i < list.KeyCount))
            continue;
        if (!(list.GetRow(i)->Access & ACC_READONLY))
            continue; // never read: what its controls hold is the form's or the user's
        if (!Holds(i))
            rows.push_back(i);
    }
    return rows;
}

void NxSNMPRequest2Edits::SetControlsEnabled(bool enabled) {
    for (const auto& b : Bindings_)
        for (const auto& c : b->Controls)
            if (c)
                c->setEnabled(enabled);
}

// ---- values to controls ----------------------------------------------------------------------

void NxSNMPRequest2Edits::ValuesToControls(int item) {
    for (const auto& b : Bindings_) {
        if (item >= 0 && b->Item != item)
            continue;
        if (RowOf(b->Item).Access & ACC_INVALID)
            continue;
        ShowBinding(*b);
    }
}

void NxSNMPRequest2Edits::ShowBinding(NxSNMPBinding& b) {
    const VarDef& row = RowOf(b.Item);
    std::string text = RowKeyText(row);
    NxOptionList* options = OptionsFor(b, row);
    if (!b.UsesWholeValue(row.Syntax))
        text = BytesToText(b.Syntax, CutPart(TextToBytes(row.Syntax, text), b.ByteOffset, b.Syntax));
    if (options)
        text = options->KeyToText(text);

    QWidget* first = b.Controls.empty() ? nullptr : b.Controls[0].data();
    if (!first)
        return; // the form has already destroyed the control
    // A read that ends after the form took input never replaces what the user changed meanwhile:
    // that stays, and is what the next write sends.
    if (ShowingCompletion() && AnyUserChanged(b))
        return;
    // Otherwise what the read gives replaces what the user or the form put there; a value the
    // controls cannot show leaves them holding nothing to write.
    b.Held = false;
    b.Asked = false;
    b.Unshown = false;
    for (const auto& c : b.Controls)
        ClearUserChanged(c.data());
    const bool reserved = text == "(NULL)" || text == "(NOTDONE)";
    bool shown = !reserved;
    if (TLabel* label = AsLabel(first)) {
        label->SetCaption(text);
    } else if (AsCheckBox(first) && !b.Bits.empty()) {
        const std::string bytes = TextToBytes(b.Syntax, text);
        for (size_t i = 0; i < b.Controls.size() && i < b.Bits.size(); ++i) {
            const size_t byte = size_t(b.Bits[i] / 8);
            if (byte >= bytes.size())
                RaiseSnmpError(NXSNMP_BIND_OUT_OF_RANGE);
            if (TCheckBox* box = AsCheckBox(b.Controls[i].data()))
                box->SetChecked((uint8_t(bytes[byte]) & BitMask(b.Bits[i])) != 0);
        }
    } else if (TCheckBox* box = AsCheckBox(first)) {
        if (options) {
            int index = options->IndexOfText(text);
            if (index < 0)
                index = options->IndexOfKey(text);
            box->SetChecked(index > 0); // the first option, or none, means unchecked
            shown = index >= 0 && index < 2;
        } else {
            if (!IsBooleanSyntax(b.Syntax))
                RaiseSnmpError(NXSNMP_BIND_BAD_SYNTAX);
            box->SetChecked(text == "true");
            shown = text == "true" || text == "false";
        }
    } else if (TComboBox* combo = AsComboBox(first)) {
        if (!options)
            RaiseSnmpError(NXSNMP_BIND_NO_OPTIONS);
        options->SelectComboBox(*combo, text);
        shown = combo->GetItemIndex() >= 0;
        if (b.Controls.size() > 1 && b.Controls[1]) {
            const int index = combo->GetItemIndex();
            std::string rest = text;
            const size_t cut = index >= 0 ? combo->ItemText(index).size() : 0;
            rest.erase(0, std::min(cut, rest.size()));
            if (row.Syntax == SYN_OBJECTID && !rest.empty())
                rest.erase(0, 1); // the dot between the prefix and the rest
            SetControlText(b.Controls[1].data(), rest);
        }
    } else if (TRadioGroup* group = AsRadioGroup(first)) {
        if (!options)
            RaiseSnmpError(NXSNMP_BIND_NO_OPTIONS);
        options->SelectRadioGroup(*group, text);
        shown = group->GetItemIndex() >= 0;
    } else if (TEdit* edit = AsEdit(first)) {
        struct Showing {
            NxEditConstraint& Constraints;
            ~Showing() { Constraints.SetShowing(false); }
        } showing{Constraints_};
        Constraints_.SetShowing(true); // the device's value as it is: "-5" in a "%u" edit stays
        if (b.Controls.size() == 1 && !TEdit::CanHold(text)) {
            // Cut, it would be written back short: the edit keeps what it showed, holding nothing.
            NoteNotShown();
            return;
        }
        if (b.Controls.size() == 1)
            edit->SetText(text);
        else
            SplitIntoEdits(b.Syntax, TextToBytes(b.Syntax, text), EditsOf(b));
        // A refused entry puts back what the device gave, never an empty text.
        for (const auto& c : b.Controls)
            Constraints_.SaveText(c.data());
    } else {
        RaiseSnmpError(NXSNMP_BIND_BAD_CONTROL);
    }
    b.Held = shown;
    b.Unshown = !shown && !reserved;
}

// ---- controls to values ----------------------------------------------------------------------

std::string NxSNMPRequest2Edits::ReadBinding(const NxSNMPBinding& b, const VarDef& row) {
    QWidget* first = b.Controls[0].data();
    if (TLabel* label = AsLabel(first))
        return label->Caption();
    if (TCheckBox* box = AsCheckBox(first)) {
        if (!b.Bits.empty()) {
            int32_t highest = 0;
            for (int32_t bit : b.Bits)
                highest = std::max(highest, bit);
            std::string part(size_t(highest / 8 + 1), '\0');
            for (size_t i = 0; i < b.Controls.size() && i < b.Bits.size(); ++i) {
                TCheckBox* bitBox = AsCheckBox(b.Controls[i].data());
                uint8_t& byte = reinterpret_cast<uint8_t&>(part[size_t(b.Bits[i] / 8)]);
                if (bitBox && bitBox->Checked())
                    byte |= BitMask(b.Bits[i]);
                else
                    byte &= uint8_t(~BitMask(b.Bits[i]));
            }
            return BytesToText(b.Syntax, part);
        }
        if (NxOptionList* options = OptionsFor(b, row)) {
            const int index = box->Checked() ? 1 : 0;
            return index < options->Count() ? options->GetItem(index).Text : std::string();
        }
        if (!IsBooleanSyntax(b.Syntax))
            RaiseSnmpError(NXSNMP_BIND_BAD_SYNTAX);
        return box->Checked() ? "true" : "false";
    }
    if (TComboBox* combo = AsComboBox(first)) {
        std::string text =
            combo->GetItemIndex() >= 0 ? combo->ItemText(combo->GetItemIndex()) : std::string();
        if (b.Controls.size() > 1 && b.Controls[1]) {
            if (row.Syntax == SYN_OBJECTID)
                text += ".";
            text += ControlText(b.Controls[1].data());
        }
        return text;
    }
    if (TRadioGroup* group = AsRadioGroup(first))
        return group->GetItemIndex() >= 0 ? group->ItemText(group->GetItemIndex()) : std::string();
    if (TEdit* edit = AsEdit(first))
        return b.Controls.size() == 1 ? edit->Text() : ComposeFromEdits(b.Syntax, EditsOf(b));
    RaiseSnmpError(NXSNMP_BIND_BAD_CONTROL);
}

void NxSNMPRequest2Edits::ControlsToValues(int item) {
    NxSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.RowCount(); ++i) {
        if ((item >= 0 && i != item) || !list.IsSettable(i))
            continue;
        VarDef& row = *list.GetRow(i);
        std::string bytes = BaseBytes(row);
        bool applied = false;
        for (const auto& b : Bindings_) {
            if (b->Item != i || b->Controls.empty() || !b->Controls[0])
                continue;
            if (!HoldsValue(*b) && Holds(i))
                continue; // another binding of the row holds what is to be written
            if (!applied && row.Syntax == SYN_DISPLAYSTR)
                bytes.clear(); // a shorter text must not keep the old characters behind it
            std::string part = ReadBinding(*b, row);
            if (NxOptionList* options = OptionsFor(*b, row))
                part = options->TextToKey(part);
            const std::string partBytes = TextToBytes(b->Syntax, part);
            const size_t offset = size_t(std::max(b->ByteOffset, 0));
            if (bytes.size() < offset + partBytes.size())
                bytes.resize(offset + partBytes.size(), '\0');
            bytes.replace(offset, partBytes.size(), partBytes);
            applied = true;
        }
        if (applied) {
            std::string text = BytesToText(row.Syntax, bytes);
            if (bytes.empty() && IsStringSyntax(row.Syntax))
                text.clear(); // an emptied edit sends an empty string, not the null marker
            SetRowValue(row, text);
        }
    }
}

// ---- list view -------------------------------------------------------------------------------

void NxSNMPRequest2Edits::AttachListView(TListView* view, bool autoEnable) {
    view->SetReportStyle();
    std::weak_ptr<NxSNMPRequest2Edits*> self = Self_;
    TListView::TSelectItemEvent saved = view->OnSelectItem;
    if (const auto* own = saved.target<SelectHandler>(); own && SameOwner(own->Self, self))
        saved = own->Saved;
    SavedSelect_ = saved;
    view->OnSelectItem = SelectHandler{self, saved};
    ListView_ = view;
    AutoEnable = autoEnable ? 1 : 0;
    BuildColumns();
}

void NxSNMPRequest2Edits::BuildColumns() {
    TListView* view = ListView_.data();
    if (!view)
        return;
    const NxSNMPVarList& list = Request.VarList;
    if (view->ColumnCount() >= list.CountListed() + list.CountUnlisted())
        return;
    view->ClearColumns();
    for (int i : ColumnRows(list))
        view->AddColumn(list.GetRow(i)->Name ? list.GetRow(i)->Name : "",
                        list.IsListed(i) ? TListView::AutoSizeHeader : 0);
}

void NxSNMPRequest2Edits::AddListRow() {
    AddListRowWith(nullptr);
}

void NxSNMPRequest2Edits::AddListRowWith(const std::string* firstColumn) {
    TListView* view = ListView_.data();
    if (!view)
        return;
    const NxSNMPVarList& list = Request.VarList;
    int item = -1;
    for (int i : ColumnRows(list)) {
        if (item < 0)
            item = view->AddItem(firstColumn ? *firstColumn : RowText(*list.GetRow(i)));
        else
            view->AddSubItem(item, RowText(*list.GetRow(i)));
    }
}

void NxSNMPRequest2Edits::ListRowToValues() {
    TListView* view = ListView_.data();
    if (!view || view->ItemIndex() < 0)
        return;
    const int item = view->ItemIndex();
    const NxSNMPVarList& list = Request.VarList;
    int column = 0;
    for (int i : ColumnRows(list)) {
        SetRowText(*list.GetRow(i), column == 0 ? view->ItemCaption(item) : view->SubItem(item, column - 1));
        ++column;
    }
}

void NxSNMPRequest2Edits::OnListSelect(QObject* sender, int item, bool selected) {
    if (SavedSelect_)
        SavedSelect_(sender, item, selected);
    if (!selected)
        return;
    try {
        if (AutoEnable)
            SetControlsEnabled(true);
        ListRowToValues();
        ValuesToControls(-1);
        Changed = 0;
        if (!AllShown())
            ShowStatusOrBox(Request.Result.Message);
    } catch (const std::exception& e) {
        ShowStatusOrBox(ExceptionText(e));
    }
}

// ---- hooks -------------------------------------------------------------------------------------

void NxSNMPRequest2Edits::BeforeGet() {
    if (TListView* view = ListView_.data()) {
        BuildColumns();
        view->ClearItems();
    }
    if (OnBeforeGet)
        OnBeforeGet();
}

void NxSNMPRequest2Edits::BeforeSet() {
    if (OnBeforeSet)
        OnBeforeSet();
}

// A row at a time, and nothing else: a completion that ran the message loop here would let a
// close destroy the request whose answer is being shown.
void NxSNMPRequest2Edits::ShowValues() {
    if (ListView_) {
        AddListRow();
    } else {
        ValuesToControls(-1);
    }
}

void NxSNMPRequest2Edits::CollectValues() {
    NxSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.RowCount(); ++i)
        SetRowText(*list.GetRow(i), std::string());
    if (ListView_)
        ListRowToValues();
    ControlsToValues(-1);
}

void NxSNMPRequest2Edits::AfterGet() {
    Changed = 0;
    if (ListView_ && AutoEnable && Request.VarList.ItemType == MVT_FMV)
        SetControlsEnabled(false);
    if (OnAfterGet)
        OnAfterGet();
}

void NxSNMPRequest2Edits::AfterSet() {
    if (OnAfterSet)
        OnAfterSet();
}
