#pragma once
// A status bar with panels and a simple text. The simple text shows while SimplePanel is set or
// the bar has no panels; otherwise the panels show, each with its own text. A text longer than its
// pane wraps and the bar grows to show every line.
#include <QFrame>
#include <QObject>
#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;

class TStatusPanel : public QObject {
    Q_OBJECT
  public:
    TStatusPanel(QLabel* view, QObject* parent);
    std::string Text() const;
    void SetText(const std::string& text);
    int Width() const;
    void SetWidth(int width); // the last panel takes the rest of the bar

  signals:
    void TextChanged();

  private:
    QLabel* View_;
};

class TStatusBar : public QFrame {
    Q_OBJECT
  public:
    explicit TStatusBar(QWidget* parent = nullptr);

    int PanelCount() const { return int(Panels_.size()); }
    TStatusPanel* AddPanel(int width);
    TStatusPanel* Panel(int index) const { return Panels_.at(size_t(index)); }

    bool SimplePanel() const { return SimplePanel_; }
    void SetSimplePanel(bool simple);
    std::string SimpleText() const;
    void SetSimpleText(const std::string& text);

    // Where a form puts a result line: panel 0 when the bar has panels, otherwise the simple text.
    void ShowResult(const std::string& text);

    // Grows the bar (and what holds it) until every visible pane shows all the lines of its text.
    void FitText();

    int Tag = 0;

  signals:
    // The line ShowResult writes changed, by whatever code, or moved to the first panel.
    void ResultChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void UpdateView();
    QHBoxLayout* Layout_;
    QLabel* Simple_;
    std::vector<TStatusPanel*> Panels_;
    bool SimplePanel_ = false;
    bool Fitting_ = false;
};
