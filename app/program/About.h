#pragma once
// "Help \ About": the module's title and release version. Shift+Alt+F3 on "OK" shows the
// release date.
#include "ui_About.h"

#include <QDialog>

class TAboutForm : public QDialog, public Ui::TAboutForm {
    Q_OBJECT
  public:
    static constexpr int VK_F3 = 114;

    explicit TAboutForm(QWidget* owner = nullptr);

    void BT_OkClick(QObject* sender);
    // key: the virtual key code; shift, alt: the modifier keys held.
    void BT_OkKeyDown(QObject* sender, int key, bool shift, bool alt);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Menu item About1: opens the box modally; owner is the main window.
void ShowAboutForm(QWidget* owner);
