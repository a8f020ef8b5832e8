#pragma once
// The common part of the two station lists (associated clients, WDS clients): a gathering write,
// the count of each radio, a walk of the station table into a hidden list, and the rows worth
// showing copied into the visible list with a running number. Refreshes on a timer.
//
// The two lists have layouts of their own whose controls bear the same names; each list derives
// from its layout, so this part, which serves both, works on the controls it is given once.
#include "app/views/StatusView.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class NxSNMPRequest2Edits;
class QPushButton;
class TComboBox;
class TLabel;
class TListView;
class TStatusBar;
class TTimer;
struct NxSNMPError;
struct VarDef;

class TStationListForm : public TStatusView {
    Q_OBJECT
  public:
    static constexpr int kRefreshMilliseconds = 10000;
    static const char* const kZeroMac;

    ~TStationListForm() override;

    TTimer* Timer1 = nullptr;

    void FormResize();
    void Bt_RfrshClick();
    void Bt_CloseClick();
    void Timer1Timer();

    uint8_t Busy = 1;
    bool RequestsAlive() const { return TableReq_ != nullptr; }
    // Where the table request writes its own status line.
    QObject* TableStatusTarget() const;

  protected:
    struct Tables {
        const VarDef* Count;
        const VarDef* Action;
        const VarDef* Station;
    };
    // The controls this part works on.
    struct Controls {
        TLabel *ClientNum_a, *ClientNum_g;
        TComboBox *IfGetInfo0, *IfGetInfo1;
        TListView *ClientListView, *User_ListView;
        QPushButton *Bt_Rfrsh, *Bt_Close;
        TStatusBar* StatusBar;
    };
    template <class Layout> static Controls ControlsOf(Layout& layout) {
        return {layout.ClientNum_a, layout.ClientNum_g,    layout.IfGetInfo0,
                layout.IfGetInfo1,  layout.ClientListView, layout.User_ListView,
                layout.Bt_Rfrsh,    layout.Bt_Close,       layout.StatusBar};
    }

    TStationListForm(QWidget* owner, int refreshMilliseconds);
    // Takes the layout's controls, adds the visible columns and builds the requests.
    void FormCreate(const Controls& controls, const Tables& tables,
                    const std::vector<std::pair<std::string, int>>& columns);

    // The visible columns after the running number, from the hidden row's values (caption
    // excluded) in table order: SSID, MAC, then the rest.
    virtual std::vector<std::string> ShownColumns(const std::vector<std::string>& hidden) const = 0;
    virtual bool CloseWhileBusy() const { return false; }

    // While busy a close is refused (and held), unless CloseWhileBusy.
    bool CloseAllowed() override;
    // Request code is on the stack (a blocking read, or a walked row being shown while messages
    // are processed).
    bool InsideRequest() const override;

    void resizeEvent(QResizeEvent* event) override;

  private:
    class CountRequest;
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

    Controls Controls_{};
    TFormRequest<CountRequest> CountReq_;
    TFormRequest<NxSNMPRequest2Edits> ActionReq_;
    TFormRequest<StationTable> TableReq_;
    int CountReading_ = 0;
};
