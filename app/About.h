#pragma once
// "Help \ About": the module's title and release version. Shift+Alt+F3 on "OK" shows the
// release date.
#include <QDialog>
#include <memory>

class QKeyEvent;
class QPushButton;
class TLabel;
namespace Ui {
class TAboutForm;
}

class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int VK_F3 = 114;

    explicit TAboutForm(QWidget* owner = nullptr);
    ~TAboutForm() override;

    void BT_OkClick(QObject* sender);
    // key: the virtual key code; shift, alt: the modifier keys held.
    void BT_OkKeyDown(QObject* sender, int key, bool shift, bool alt);

    TLabel* Label1;
    TLabel* Label4;
    TLabel* La_FwVer;
    QPushButton* BT_Ok;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::unique_ptr<Ui::TAboutForm> ui_;
};

// Menu item About1: opens the box modally; owner is the main window.
void ShowAboutForm(QWidget* owner);
