#pragma once
// The request every form creates: binds rows of its variable list to labels, edits, combo
// boxes, check boxes and radio groups (and a table to one list view), writes answers into them
// after a read and reads them back before a write.
#include "library/common/NxEditConstraint.h"
#include "library/snmp/NxSNMPBinding.h"
#include "library/snmp/NxSNMPRequest2Controls.h"
#include "platform/ListView.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class NxOptionList;
class TCheckBox;
class TComboBox;
class TLabel;
class TRadioGroup;

class NxSNMPRequest2Edits : public NxSNMPRequest2Controls {
  public:
    explicit NxSNMPRequest2Edits(QWidget* owner);
    ~NxSNMPRequest2Edits() override;

    // Each raises Exception with a library code when the row and the control do not fit.
    void BindLabel(int item, TLabel* label);
    void BindCheckBox(int item, TCheckBox* box);
    // Drop-down list style, filled from the row's option list; a prefix-keyed (kind 3) list needs
    // the second control, which shows the rest of the value after the option's text.
    void BindComboBox(int item, TComboBox* combo, QWidget* second = nullptr);
    void BindRadioGroup(int item, TRadioGroup* group, int number);
    // One edit per conversion of the format ("%u{n300x18000}", "%u%u%u%u" ...), each given the
    // format's input constraint.
    template <typename... More>
    void BindEdits(int item, const std::string& format, QWidget* first, More*... more) {
        BindEditList(item, format, std::vector<QWidget*>{first, more...});
    }
    void BindEditList(int item, const std::string& format, const std::vector<QWidget*>& controls);

    void AddBinding(int item, int32_t byteOffset, int32_t syntax, NxOptionList* options, QWidget* control,
                    QWidget* second, int number);
    void AddFormatBinding(int item, int32_t byteOffset, int32_t syntax, NxOptionList* options,
                          const std::string& format, const std::vector<QWidget*>& controls);

    // Read-only report-style view whose rows are the walked table rows; selecting one fills the
    // bound controls (and enables them with auto-enable).
    void AttachListView(TListView* view, bool autoEnable);
    TListView* ListView() const { return ListView_.data(); }
    void BuildColumns();
    virtual void AddListRow();
    void ListRowToValues();

    // item -1: every row; else only that row's bindings.
    void ValuesToControls(int item);
    void ControlsToValues(int item);
    void SetControlsEnabled(bool enabled);

    // Nothing the form did not read is written. A Set that collects the controls leaves out every
    // bound row none of whose bindings holds a value to write: shown by a successful read whose
    // value the controls could show (a combo, radio group or check box whose options lack it
    // shows no choice), or asked since by the user's change or by MarkAsked. Rows this request
    // never reads (write-only) and the key columns of a table are always written.
    //
    // The form's own code put the value into the row's controls for the next write (an action or
    // command object, a file name, a value a step sets before the SET, a copy from a visible
    // twin): it counts as asked until a read shows the row again. Item -1: every row (a request
    // that only writes what the form puts in, such as an action object).
    void MarkAsked(int item);
    // True when the row's controls hold a value to write (held or asked), as the next Set sees it.
    bool Holds(int item) const;
    // True when the row holds nothing to write because the last read's value could not be shown
    // (rather than because nothing was read).
    bool Unshown(int item) const { return RowUnshown(item); }

    int BindingCount() const { return int(Bindings_.size()); }
    const NxSNMPBinding& Binding(int index) const { return *Bindings_.at(size_t(index)); }
    NxEditConstraint& Constraints() { return Constraints_; }

    // Run at the end of the matching hooks.
    std::function<void()> OnBeforeGet;
    std::function<void()> OnBeforeSet;
    std::function<void()> OnAfterGet;
    std::function<void()> OnAfterSet;

    uint8_t Changed = 0; // set when a bound combo box, check box or radio group changes
    uint8_t AutoEnable = 1;

  protected:
    void BeforeGet() override;
    void BeforeSet() override;
    void ShowValues() override;
    void CollectValues() override;
    void AfterGet() override;
    void AfterSet() override;
    std::vector<int> RowsNotAsked() const override;
    bool RowUnshown(int item) const override;
    virtual void OnListSelect(QObject* sender, int item, bool selected);
    // One list row, columns in list order; firstColumn, when given, is shown in place of the first
    // column's value.
    void AddListRowWith(const std::string* firstColumn);
    void OnBoundControlChange(QObject* sender);

  private:
    // The handlers this driver puts on its controls: a control bound twice must not chain the
    // driver's own handler to itself.
    struct ChangeHandler;
    struct SelectHandler;
    void ChainEvents(NxSNMPBinding& binding);
    // The user's own choices in check boxes and radio groups mark the binding asked (their click
    // events fire for code too).
    void WatchUserChoice(NxSNMPBinding& binding);
    static bool HoldsValue(const NxSNMPBinding& binding);
    void ShowBinding(NxSNMPBinding& binding);
    // The text of the binding's part as its controls show it.
    std::string ReadBinding(const NxSNMPBinding& binding, const VarDef& row);
    NxOptionList* OptionsFor(const NxSNMPBinding& binding, const VarDef& row) const;
    VarDef& RowOf(int item) const;

    TListView::TSelectItemEvent SavedSelect_;
    QPointer<TListView> ListView_;
    std::vector<std::unique_ptr<NxSNMPBinding>> Bindings_;
    NxEditConstraint Constraints_;
    // The controls keep the handlers chained here after this object is gone; they check it.
    std::shared_ptr<NxSNMPRequest2Edits*> Self_;
};
