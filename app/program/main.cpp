// The program entry: one main window for one device.
#include "app/program/Main.h"
#include "app/forms/Application.h"
#include "app/forms/StartupGlobals.h"
#include "app/program/FormMenu.h"
#include "library/tftp/FileSizeLimit.h"
#include "platform/ParamStr.h"

#include <QApplication>
#include <exception>

int main(int argc, char** argv) {
    // Every file the module writes (boot counter, received files) fails cleanly at a size limit.
    IgnoreFileSizeSignal();
    // Qt takes its own options out of argv; the host's parameters are read as they were given.
    SetCommandLine(argc, argv);
    QApplication application(argc, argv);
    try {
        SetApplicationTitle("KTX-7593AP");
        RegisterFormMenu();
        auto* form = new TMainForm(nullptr);
        try {
            form->FormCreate(form);
        } catch (const std::exception& error) {
            // As with any creation handler: shown, and the window still comes up.
            ShowException(error);
        }
        if (!ApplicationTerminated()) {
            form->show();
            QApplication::exec();
        }
        delete form;
    } catch (const std::exception& error) {
        ShowException(error);
    }
    return 0;
}
