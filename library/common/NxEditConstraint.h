#pragma once
// Input rules that a display format ("%u{n300x18000}", "%s{l8f}", "%n,{l4f}" ...) attaches to
// edits: while the user types, characters the conversion does not allow are dropped with a beep
// and the focus can move on; when an edit is left, its text is checked and a violation shows a
// message, puts back the last accepted text and returns the focus.
#include "platform/Edit.h"
#include "platform/Events.h"

#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QWidget;

struct _EditConstraint_s {
    enum Flags : uint16_t { AutoSkip = 1, Fixed = 2, NotEmpty = 4 };

    QPointer<TEdit> Control;
    char Conversion = 's'; // s, h, i, u, f or n
    char Delimiter = 0;    // n only
    double Minimum = 0;
    double Maximum = 0;
    int32_t Length = 0; // 0: none
    uint16_t LengthFlags = 0;
    char ExitChar = 0; // 0: none
    std::string SavedText;
    TNotifyEvent PrevChange;
    TNotifyEvent PrevExit;
};

class NxEditConstraint {
  public:
    // owner: the form whose window gets the focus moves and owns the message boxes.
    // saveFlag 1: remember an edit's text each time it passes the exit check.
    NxEditConstraint(QWidget* owner, uint8_t saveFlag);
    ~NxEditConstraint();
    NxEditConstraint(const NxEditConstraint&) = delete;
    NxEditConstraint& operator=(const NxEditConstraint&) = delete;

    // Splits the format into conversions, the k-th for controls[k]. A bad conversion raises
    // Exception with the text of common code -2 (also for a control that is no edit, or too few
    // controls); a number in braces that does not convert raises EConvertError.
    void Add(const std::string& format, const std::vector<QWidget*>& controls);
    void Parse(const std::string& conversion, QWidget* control);
    _EditConstraint_s* Find(QObject* control) const;
    int Count() const { return int(Constraints_.size()); }

    void OnEditChange(QObject* sender);
    void OnEditExit(QObject* sender);
    void SaveText(QObject* control);
    // While set, text that code puts into the edits (a read the bindings show) is not filtered:
    // what the device holds is shown as it is, a sign or letter included.
    void SetShowing(bool showing) { Showing_ = showing; }

  private:
    void Violation(_EditConstraint_s& c, const std::string& message);

    QPointer<QWidget> Owner_;
    uint8_t SaveFlag_;
    bool Showing_ = false;
    bool Filtering_ = false; // writing back a filtered text
    std::vector<std::unique_ptr<_EditConstraint_s>> Constraints_;
    // The edits keep the handlers installed here after this object is gone; they check this.
    std::shared_ptr<NxEditConstraint*> Self_;
};
