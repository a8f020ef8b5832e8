#pragma once
// A multi-line text: the whole text, or its lines one by one.
#include <QPlainTextEdit>
#include <string>

class TMemo : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TMemo(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}
    std::string Text() const;
    void SetText(const std::string& text);
    int LineCount() const;
    std::string Line(int index) const;
    void AddLine(const std::string& line); // a new last line
    void Clear() { clear(); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    int Tag = 0;
};
