#pragma once
// "Advanced \ DHCP Server": switches the access point's DHCP server on or off, edits its dynamic
// pool, lists and edits the static pool (fixed MAC-to-address bindings, a fixed-size device table)
// and shows the current leases. The static binding dialog edits one static-pool row through this
// form's static-pool request.
#include "app/forms/SettingsForm.h"
#include "app/forms/ShowingCounted.h"
#include "app/mib/FreeRowTable.h"
#include "library/snmp/New_req2Edit.h"
#include "ui_Dhcp.h"

#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>

class NxSNMPRequest2Controls;
class TFM_StaticIP;
struct NxSNMPError;

class TFM_DHCP : public TSettingsForm, public Ui::TFM_DHCP {
    Q_OBJECT
  public:
    static constexpr char kFreeAddress[] = "0.0.0.0";

    static constexpr uint32_t kTimeOut = 1000; // hundredths: 10 s

    // Builds the requests, reads the single values (blocking) and starts the table walks. The
    // static pool's walk time-out is a parameter for tests only; the program uses the default.
    explicit TFM_DHCP(QWidget* owner = nullptr, uint32_t walkTimeOut = kTimeOut);

    void FormCreate(QObject* sender);
    void Bt_ApplyClick(QObject* sender);
    void StaticApplyClick(QObject* sender);
    void Bt_AddClick(QObject* sender);
    void Bt_SetClick(QObject* sender);
    void Bt_DelClick(QObject* sender);
    void CB_Fuction1Change(QObject* sender);
    void CB_Fuction2Change(QObject* sender);
    void User_ListViewSelectItem(QObject* sender, int item, bool selected);
    void PageControl1Change(QObject* sender);
    void Bt_RefreshDynamicPoolClick(QObject* sender);
    void Bt_RefreshStaticPoolClick(QObject* sender);
    void Bt_RefreshClick(QObject* sender);
    void Bt_RfrshClick(QObject* sender);

    void EnableByFunction(bool on);
    void EnableStaticControls(bool on);
    // True when no used static address lies in the dynamic pool.
    bool PoolCoversStaticAddress();
    // Whether the system address and the dynamic pool's start and range hold device values (read
    // or typed): the checks against them pass only then.
    bool SystemAddressKnown() const;
    bool DynamicPoolKnown() const;

    // The write of the static-pool row selected in LV_StaticPoolSet, from the dialog's controls;
    // the completion re-reads both static lists. False when it could not be sent (the reason is
    // then on StatusBar2).
    bool WriteStaticPoolRow();

    // Created by the form, a child of it, and destroyed when it closes. Its controls are bound to
    // the static-pool request, which therefore always goes first.
    QPointer<TFM_StaticIP> FM_StaticIP;
    // Every static-pool row (LV_StaticPoolSet); a row whose IP is "0.0.0.0" is free.
    std::unique_ptr<FreeRowTable> StaticRows;

    using ListRequest = ShowingCounted<NxSNMPRequest2Edits>;
    TFormRequest<NxSNMPRequest2Edits> PoolRequest;
    TFormRequest<NxSNMPRequest2Edits> DeleteRequest;
    TFormRequest<ListRequest> StaticPoolRequest;
    TFormRequest<ShowingCounted<New_req2Edit>> UsedRowList;
    TFormRequest<ListRequest> DynamicLeaseRequest;
    TFormRequest<ListRequest> StaticLeaseRequest;
    TFormRequest<NxSNMPRequest2Edits> FunctionRequest;
    TFormRequest<NxSNMPRequest2Edits> SystemAddressRequest;

    bool FirstReadPending = true; // until the first static-pool read has ended
    bool Busy = true;             // a static-pool read or write is outstanding

    // A static-pool read or write is out, or the first read has not ended while the device answers.
    bool BusyNow() const override;

  protected:
    void ReleaseOnClose() override;
    bool InsideRequest() const override;

  private:
    void BindDialog();
    void StartStaticReads();
    void StartUsedRowWalk();
    void OnStaticPoolRead(NxSNMPError* result);
    void OnStaticPoolChanged();
    void OnStaticPoolWritten(NxSNMPError* result);
    void OnUsedRowsRead(NxSNMPError* result);
    void ReadLeases(ListRequest& request, TStatusBar* bar, bool reportSuccess);
    void ApplyPool();
    bool WriteFunction(TStatusBar* bar);
    // The judged end of a blocking write: true when all of it was sent and taken; otherwise `bar`
    // shows the failure, or that rows were left out for not being read.
    bool Written(NxSNMPRequest2Controls& request, bool ok, TStatusBar* bar);
    // The function is written only when it was read or the user chose it; otherwise `bar` says so.
    bool FunctionKnown(TStatusBar* bar);
    // The function was written: a bar still saying it was not known says so no longer.
    void FunctionWritten();
    // Refuses with a box titled `caption`; select first selects the edit's text, focus moves to it.
    void Refuse(TEdit* edit, const char* text, const char* caption, bool select, bool focus);
    void ShowFailure(NxSNMPRequest2Controls& request, TStatusBar* bar);
    // Selects the LV_StaticPoolSet row of the binding selected in User_ListView; -1 for none.
    int SelectBindingOfUsedRow();
    void SetStaticButtonsBySelection();
    // Not busy any more: the static-pool buttons follow the function and the selection again.
    void ReleaseStaticControls();
    // Add only after a successful static-pool read, while the function is on and nothing is out.
    bool AddAllowed() const;
    // The pool buttons once the first static-pool read has ended; Apply also waits for the
    // used-row walk, whose list the pool is checked against and which every re-walk empties.
    void EnablePoolButtons();
    void UpdateApplyButton();

    uint32_t WalkTimeOut_;
    bool StaticPoolValid_ = false; // the last static-pool read succeeded
    bool UsedRowRestart_ = false;  // a re-read came while the used-row walk ran
    bool PoolButtonsOn_ = false;   // the first static-pool read has ended
    // What StatusBar1 and StatusBar2 show of the opening: a failure stays until that request is
    // read again; the static pool's "Get OK!" does not replace it.
    bool Bar1Failed_ = false;
    bool UsedRowsFailed_ = false;
    bool UsedRowsValid_ = false;  // the last used-row walk ended whole
    bool SystemFailed_ = false;   // the system address read failed: its failure stays on StatusBar1
    bool FunctionChosen_ = false; // the user picked a function since
    // StatusBar1 or StatusBar2 says the function was not known: its write's success replaces it.
    bool FunctionUnknownShown_[2] = {false, false};
};

// Menu item DHCPServer1: opens the form modally.
void ShowDhcpForm();
