#include "platform/StatusBar.h"

#include "platform/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>

namespace {
// A pane cuts a text longer than itself; the whole text is then its tooltip.
class Pane : public QLabel {
  public:
    explicit Pane(QWidget* parent) : QLabel(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setTextFormat(Qt::PlainText);
    }
    void SetPaneText(const QString& text) {
        setText(text);
        UpdateTip();
    }

    // A long text may be cut, never widen the bar past its form.
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        UpdateTip();
    }

  private:
    void UpdateTip() {
        const bool cut = fontMetrics().horizontalAdvance(text()) > contentsRect().width() - 2 * margin();
        setToolTip(cut ? text() : QString());
    }
};

Pane* NewPane(QWidget* parent) {
    return new Pane(parent);
}
} // namespace

TStatusPanel::TStatusPanel(QLabel* view, QObject* parent) : QObject(parent), View_(view) {}
std::string TStatusPanel::Text() const {
    return FromQ(View_->text());
}
void TStatusPanel::SetText(const std::string& text) {
    static_cast<Pane*>(View_)->SetPaneText(ToQ(text));
}
int TStatusPanel::Width() const {
    return View_->minimumWidth();
}
void TStatusPanel::SetWidth(int width) {
    View_->setMinimumWidth(width);
}

TStatusBar::TStatusBar(QWidget* parent)
    : QFrame(parent), Layout_(new QHBoxLayout(this)), Simple_(NewPane(this)) {
    Layout_->setContentsMargins(0, 0, 0, 0);
    Layout_->setSpacing(2);
    Layout_->addWidget(Simple_, 1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

TStatusPanel* TStatusBar::AddPanel(int width) {
    QLabel* view = NewPane(this);
    Layout_->addWidget(view, 0);
    auto* panel = new TStatusPanel(view, this);
    panel->SetWidth(width);
    // The last panel stretches, as the class library drew it.
    for (int i = 0; i < Layout_->count(); ++i)
        Layout_->setStretch(i, 0);
    Layout_->setStretch(Layout_->count() - 1, 1);
    Panels_.push_back(panel);
    UpdateView();
    return panel;
}

void TStatusBar::SetSimplePanel(bool simple) {
    SimplePanel_ = simple;
    UpdateView();
}

std::string TStatusBar::SimpleText() const {
    return FromQ(Simple_->text());
}
void TStatusBar::SetSimpleText(const std::string& text) {
    static_cast<Pane*>(Simple_)->SetPaneText(ToQ(text));
}

void TStatusBar::ShowResult(const std::string& text) {
    if (Panels_.empty())
        SetSimpleText(text);
    else
        Panels_[0]->SetText(text);
}

void TStatusBar::UpdateView() {
    const bool simple = SimplePanel_ || Panels_.empty();
    Simple_->setVisible(simple);
    for (int i = 1; i < Layout_->count(); ++i)
        if (QWidget* w = Layout_->itemAt(i)->widget())
            w->setVisible(!simple);
}
