#include "platform/MessageBox.h"

#include "platform/Text.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string Escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void AppendLog(const char* path, const std::string& line) {
    if (FILE* f = std::fopen(path, "a")) {
        std::fputs((line + "\n").c_str(), f);
        std::fclose(f);
    }
}

class ProgramMessages : public MessageService {
  public:
    int ShowBox(QWidget* owner, const std::string& text, const std::string& caption, int buttons) override {
        if (const char* log = std::getenv("KTX_MESSAGE_LOG"); log && *log) {
            AppendLog(log, MessageLogLine(caption, text, buttons, IDOK));
            return IDOK;
        }
        QMessageBox box(owner);
        box.setIcon(QMessageBox::NoIcon);
        box.setWindowTitle(ToQ(caption));
        box.setText(ToQ(text));
        box.setTextFormat(Qt::PlainText);
        QPushButton* ok = box.addButton(QMessageBox::Ok);
        if (buttons == MB_OKCANCEL)
            box.addButton(QMessageBox::Cancel);
        else
            box.setEscapeButton(ok); // Esc on a one-button box answers OK
        box.setDefaultButton(ok);
        box.exec();
        return box.clickedButton() == ok ? IDOK : IDCANCEL;
    }
    void Beep(uint32_t frequency, uint32_t milliseconds) override {
        if (const char* log = std::getenv("KTX_MESSAGE_LOG"); log && *log) {
            AppendLog(log, "Beep\t" + std::to_string(frequency) + "\t" + std::to_string(milliseconds));
            return;
        }
        QApplication::beep();
    }
};

ProgramMessages& Program() {
    static ProgramMessages p;
    return p;
}
MessageService* Current = nullptr;

} // namespace

MessageService& Messages() {
    return Current ? *Current : Program();
}

MessageService* SetMessageService(MessageService* service) {
    MessageService* old = Current ? Current : &Program();
    Current = service;
    return old == &Program() ? nullptr : old;
}

int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, int buttons) {
    return Messages().ShowBox(owner ? owner->window() : nullptr, text, caption, buttons);
}

void LibraryMessageBox(QWidget* owner, const std::string& text) {
    // Qt's application name is the program file's name until the program names itself.
    const QCoreApplication* app = QCoreApplication::instance();
    MessageBox(owner, text, app ? FromQ(QCoreApplication::applicationName()) : ProgramFileName(), MB_OK);
}

void ShowMessage(const std::string& text) {
    MessageBox(QApplication::activeWindow(), text, "", MB_OK);
}

void Beep(uint32_t frequency, uint32_t milliseconds) {
    Messages().Beep(frequency, milliseconds);
}

std::string ProgramFileName() {
    if (QCoreApplication::instance())
        return FromQ(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return std::string();
    const std::string path(buf, size_t(n));
    return path.substr(path.rfind('/') + 1);
}

std::string MessageLogLine(const std::string& caption, const std::string& text, int buttons, int answer) {
    return "MessageBox\t" + Escaped(caption) + "\t" + Escaped(text) + "\t" +
           (buttons == MB_OKCANCEL ? "OK,Cancel" : "OK") + "\t" + (answer == IDCANCEL ? "Cancel" : "OK");
}
