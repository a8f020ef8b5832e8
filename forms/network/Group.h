#pragma once
// "Advanced \ Grouping": load balancing, the user limit that applies while it is on, and link
// integrity. Read when the form is created and on "Refresh", checked and written on "Apply".
#include "app/SettingsForm.h"

#include <memory>

class QGroupBox;
class QPushButton;
class TComboBox;
class TEdit;
class TLabel;
class TStatusBar;
namespace Ui {
class TFM_Group;
}

class TFM_Group : public TSettingsForm {
    Q_OBJECT
  public:
    // Builds the request and reads it (blocking) before returning.
    explicit TFM_Group(QWidget* owner = nullptr);
    ~TFM_Group() override;

    void FormCreate(QObject* sender);
    void Bt_ApplyClick(QObject* sender);
    void Bt_RefreshClick(QObject* sender);
    void CB_LoadBChange(QObject* sender);
    void Bt_CancelClick(QObject* sender);
    void UpdateUserLimitState();

    // Layout
    QGroupBox* GroupBox1;
    TLabel* LA_LoadB;
    TLabel* LA_UsrL;
    TLabel* LA_LinkInt;
    TComboBox* CB_LoadB;
    TEdit* Ed_UsrL;
    TComboBox* CB_LinkInt;
    QPushButton* Bt_Apply;
    QPushButton* Bt_Refresh;
    QPushButton* Bt_Cancel;
    TStatusBar* StatusBar;

    // adLoadBalance, adUserLimit, adLinkIntegrate; null when it could not be built.
    TFormRequest<NxSNMPRequest2Edits> GroupRequest;

  private:
    std::unique_ptr<Ui::TFM_Group> ui_;
};

// Menu item adGrouping1: creates the form (owned by the application), shows it modally, deletes it.
void ShowGroupForm();
