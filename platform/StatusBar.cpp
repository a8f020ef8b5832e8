#include "platform/StatusBar.h"

#include "platform/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>

#include <algorithm>

namespace {
// A pane wraps a text longer than its width (its bar grows to hold the lines); a text that still
// does not fit, or that wraps, is also its tooltip.
class Pane : public QLabel {
  public:
    explicit Pane(QWidget* parent) : QLabel(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
    }
    void SetPaneText(const QString& text) {
        setText(text);
        UpdateTip();
        if (auto* bar = qobject_cast<TStatusBar*>(parentWidget()))
            bar->FitText();
    }
    // The height the pane needs to show all its lines at its present width.
    int NeededHeight() const { return text().isEmpty() ? 0 : heightForWidth(width()); }

    // A long text may be cut, never widen the bar past its form.
    QSize minimumSizeHint() const override { return {0, fontMetrics().height() + 2 * frameWidth()}; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        UpdateTip();
    }

  private:
    void UpdateTip() {
        const bool cut = fontMetrics().horizontalAdvance(text()) > contentsRect().width() - 2 * margin();
        const bool wrapped = NeededHeight() > fontMetrics().height() + 2 * frameWidth();
        setToolTip(cut || wrapped ? text() : QString());
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
    emit TextChanged();
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
    if (Panels_.size() == 1) {
        connect(panel, &TStatusPanel::TextChanged, this, &TStatusBar::ResultChanged);
        emit ResultChanged();
    }
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
    if (Panels_.empty())
        emit ResultChanged();
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

void TStatusBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        FitText();
}

// The bar grows downward, and with it every parent it would leave, up to its window; a fixed-size
// window keeps a fixed size, taller by as much. A bar never shrinks back: a form that grew stays.
void TStatusBar::FitText() {
    if (Fitting_)
        return;
    Fitting_ = true;
    Layout_->activate();
    int needed = 0;
    for (int i = 0; i < Layout_->count(); ++i)
        if (auto* pane = dynamic_cast<Pane*>(Layout_->itemAt(i)->widget()); pane && !pane->isHidden())
            needed = std::max(needed, pane->NeededHeight());
    if (needed > height()) {
        setMinimumHeight(needed);
        resize(width(), needed);
        QWidget* child = this;
        for (QWidget* parent = parentWidget(); parent != nullptr;
             child = parent, parent = parent->parentWidget()) {
            const int bottom = child->geometry().bottom() + 1;
            if (parent->height() < bottom) {
                if (parent->minimumHeight() == parent->maximumHeight())
                    parent->setFixedHeight(bottom);
                else
                    parent->resize(parent->width(), bottom);
            }
            if (parent->isWindow())
                break;
        }
    }
    Fitting_ = false;
}
