#pragma once
// A label or static text: a caption that code writes and reads.
#include <QLabel>
#include <string>

class TLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int Tag = 0;
};

// The framed variant; it reads and writes like a label.
class TStaticText : public TLabel {
    Q_OBJECT
  public:
    explicit TStaticText(QWidget* parent = nullptr);
};
