#include "platform/InputHold.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <utility>
#include <vector>

namespace {

bool IsUserInput(const QObject* receiver, const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        // The window manager's close reaches the window; a close() from code reaches the widget
        // and is the code's own business.
        return event.spontaneous() || qobject_cast<const QWindow*>(receiver) != nullptr;
    default:
        return false;
    }
}

// The top-level widget an event is for, when there is one.
const QWidget* WindowOf(const QObject* receiver) {
    if (const auto* widget = qobject_cast<const QWidget*>(receiver))
        return widget->window();
    if (const auto* window = qobject_cast<const QWindow*>(receiver))
        for (const QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == window)
                return top;
    return nullptr;
}

QWidget* ActiveModal() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::activeModalWidget()
                                                                     : nullptr;
}

class HeldInput : public QObject {
  public:
    int Holds = 0;
    QPointer<QWidget> ModalAtStart;

    void Begin() {
        if (Holds++ > 0)
            return;
        ModalAtStart = ActiveModal();
        QCoreApplication* app = QCoreApplication::instance();
        if (app && InstalledOn_ != app) {
            app->installEventFilter(this);
            InstalledOn_ = app;
        }
    }

    void End() {
        if (--Holds > 0)
            return;
        std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held;
        held.swap(Held_);
        for (auto& [receiver, event] : held)
            if (!receiver.isNull())
                QCoreApplication::postEvent(receiver.data(), event.release());
    }

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (Holds == 0 || !IsUserInput(receiver, *event))
            return false;
        // A dialog opened while the hold lives is modal: it must be answerable, and the
        // modality already keeps the other windows' input from it.
        const QWidget* modal = ActiveModal();
        if (modal && modal != ModalAtStart.data() && WindowOf(receiver) == modal)
            return false;
        Held_.emplace_back(receiver, std::unique_ptr<QEvent>(event->clone()));
        event->ignore(); // a held close has not closed anything yet
        return true;
    }

  private:
    QPointer<QCoreApplication> InstalledOn_;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> Held_;
};

HeldInput& Input() {
    static HeldInput* input = new HeldInput(); // outlives every hold, also at exit
    return *input;
}

} // namespace

TInputHold::TInputHold() {
    Input().Begin();
}

TInputHold::~TInputHold() {
    Input().End();
}

bool TInputHold::Active() {
    return Input().Holds > 0;
}

void ProcessMessages() {
    if (!QCoreApplication::instance())
        return;
    const TInputHold hold;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
