#pragma once
// A single-line edit with the class library's meaning: OnChange on every text change, OnExit
// when the focus moves to another control of the window, a maximum length where 0 means no
// limit and that never cuts the present text, read-only state shown in the button-face colour (an
// editable edit in the window colour), password characters shown as "*", and a tag.
#include "platform/Colors.h"
#include "platform/Events.h"

#include <QLineEdit>
#include <string>

class TEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TEdit(QWidget* parent = nullptr);

    std::string Text() const;
    // Longer than MaxLength is kept, as the class library did; shown from its first character.
    void SetText(const std::string& text);
    // Whether SetText would keep the whole text: beyond Qt's own ceiling it would be cut.
    static bool CanHold(const std::string& text);

    int MaxLength() const { return MaxLength_; }
    void SetMaxLength(int length); // 0: no limit; the user cannot type beyond it

    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    TColor Color() const { return Color_; }
    void SetColor(TColor color);

    // Set by the user's own edits only (typing, pasting, undo), never by code: no text, maximum
    // length or mask set by code clears it, unlike QLineEdit's modified flag.
    bool UserChanged() const { return UserChanged_; }
    void ClearUserChanged() { UserChanged_ = false; }

    TNotifyEvent OnChange;
    TNotifyEvent OnExit;
    int Tag = 0;

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void FitQtLimit(int textLength);
    int MaxLength_ = 0;
    TColor Color_ = clWindow;
    bool UserChanged_ = false;
};
