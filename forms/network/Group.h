#pragma once
// "Advanced \ Grouping": load balancing, the user limit that applies while it is on, and link
// integrity. Read when the form is created and on "Refresh", checked and written on "Apply".
#include "forms/network/GroupingForm.h"
#include "ui_Group.h"

class TFM_Group : public TGroupingForm, public Ui::TFM_Group {
    Q_OBJECT
  public:
    // Builds the request and reads it (blocking) before returning.
    explicit TFM_Group(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void Bt_ApplyClick(QObject* sender);
    void Bt_RefreshClick(QObject* sender);
    void CB_LoadBChange(QObject* sender);
    void UpdateUserLimitState();

    // adLoadBalance, adUserLimit, adLinkIntegrate; null when it could not be built.
    TFormRequest<NxSNMPRequest2Edits> GroupRequest;
};

// Menu item adGrouping1: opens the form modally.
void ShowGroupForm();
