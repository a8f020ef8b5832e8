#pragma once
// The common part of the two station lists (associated clients, WDS clients): a gathering write,
// the count of each radio, a walk of the station table into a hidden list, and the rows worth
// showing copied into the visible list with a running number. Refreshes on a timer.
#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class New_req2Edit;
class NxSNMPRequest2Controls;
class NxSNMPRequest2Edits;
class QPushButton;
class TComboBox;
class TLabel;
class TListView;
class TStatusBar;
class TTimer;
struct NxSNMPError;
struct VarDef;

class TStationListForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kRefreshMilliseconds = 10000;
    static constexpr int kBusyClosePause = 1000; // refused close: the user tries again later
    static const char* const kZeroMac;

    ~TStationListForm() override;

    // The controls the layout file creates.
    TLabel* Label15 = nullptr;
    TLabel* ClientNum_a = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* ClientNum_g = nullptr;
    TComboBox* IfGetInfo0 = nullptr;
    TComboBox* IfGetInfo1 = nullptr;
    TListView* ClientListView = nullptr;
    TListView* User_ListView = nullptr;
    QPushButton* Bt_Rfrsh = nullptr;
    QPushButton* Bt_Close = nullptr;
    TStatusBar* StatusBar = nullptr;
    TTimer* Timer1 = nullptr;

    void FormShow();
    void FormResize();
    bool FormCloseQuery();
    void Bt_RfrshClick();
    void Bt_CloseClick();
    void Timer1Timer();

    uint8_t Busy = 1;
    bool RequestsAlive() const { return TableReq_ != nullptr; }
    // Where the table request writes its own status line.
    QObject* TableStatusTarget() const;

  public slots:
    void reject() override;

  protected:
    struct Tables {
        const VarDef* Count;
        const VarDef* Action;
        const VarDef* Station;
    };
    struct Controls {
        TLabel *Label15, *ClientNum_a, *Label1, *ClientNum_g;
        TComboBox *IfGetInfo0, *IfGetInfo1;
        TListView *ClientListView, *User_ListView;
        QPushButton *Bt_Rfrsh, *Bt_Close;
        TStatusBar* StatusBar;
    };

    TStationListForm(QWidget* owner, int refreshMilliseconds);
    // Takes the layout's controls, adds the visible columns and builds the requests.
    void FormCreate(const Controls& controls, const Tables& tables,
                    const std::vector<std::pair<std::string, int>>& columns);

    // The visible columns after the running number, from the hidden row's values (caption
    // excluded) in table order: SSID, MAC, then the rest.
    virtual std::vector<std::string> ShownColumns(const std::vector<std::string>& hidden) const = 0;
    virtual bool CloseWhileBusy() const { return false; }
    virtual void StopTimers();

    void ShowResult(const std::string& text);

    std::unique_ptr<NxSNMPRequest2Edits> CountReq_;

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    class StationTable;

    void SetBandRows();
    void SendAction();
    void ReadCounts();
    void StartWalk();
    // Asks the device to gather its station table again, then reads it; the refresh button
    // starts a walk of what the device holds now before that.
    void Refresh(bool walkFirst);
    void OnActionDone(NxSNMPError* result);
    void OnWalkDone(NxSNMPError* result);
    void FillUserList();
    // Request code is on the stack (a blocking read, or a walked row being shown while messages
    // are processed): the requests must not be destroyed now.
    bool InsideRequest() const;
    void DestroyRequests();

    std::unique_ptr<NxSNMPRequest2Edits> ActionReq_;
    std::unique_ptr<StationTable> TableReq_;
    int CountReading_ = 0;
    bool Closing_ = false;       // requests are being destroyed
    bool CloseDeferred_ = false; // a close came while request code was running
};
