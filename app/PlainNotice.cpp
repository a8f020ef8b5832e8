#include "app/PlainNotice.h"

#include "platform/Text.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <utility>

namespace {

void DefaultNotice(const std::string& text) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), ToQ(text), QMessageBox::Ok);
    box.exec();
}

PlainNoticeHandler& Handler() {
    static PlainNoticeHandler handler;
    return handler;
}

} // namespace

void ShowPlainNotice(const std::string& text) {
    if (Handler())
        Handler()(text);
    else
        DefaultNotice(text);
}

PlainNoticeHandler SetPlainNoticeHandler(PlainNoticeHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
