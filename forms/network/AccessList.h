#pragma once
// The design the three access lists share: a mode (Disable, Accept, Reject) and a fixed-size
// device table of addresses. The visible list shows the used rows numbered from 1; a hidden list
// holds every row, so that an add writes the first free row and a delete writes the zero value
// into the row that holds the address. Each list adds only its address check and duplicate rule,
// and the wireless MAC list its band choice.
#include "app/forms/SettingsForm.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class FreeRowTable;
class New_req2Edit;
class QPushButton;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TStatusBar;
struct NxSNMPError;
struct VarDef;

// Each list derives from its layout class as well; the shared steps reach the layout's controls
// through the Controls given once to FormCreate, so that this base names no control itself and
// the layouts (whose names differ between the IP and MAC lists) stay the only owners of theirs.
class TAccessListForm : public TSettingsForm {
    Q_OBJECT
  public:
    // The controls of the layout that the shared steps use.
    struct Controls {
        TComboBox* Mode;     // CB_FilterCtrl
        TEdit* Typed;        // the address the user adds
        TListView* Used;     // the used rows, numbered
        TListView* All;      // every row, hidden
        TLabel* Index;       // bound to the selected row's index
        TEdit* Address;      // bound to the selected row's address: what a row write sends
        QPushButton* Apply;  // Bt_Apply
        QPushButton* Delete; // Bt_Del
        TStatusBar* Status;  // StatusBar1, one panel
    };
    // What a list is made of.
    struct Kind {
        const char* AddressCaption; // the visible list's second column
        const char* RowFormat;      // "%h" or "%s"
        const char* ZeroValue;      // of a free row
        const char* DuplicateText;  // "Reject: The ... already exists "
        int MaxLength;              // of the typed address
    };
    // The objects of one band: the mode rows (which row this band binds and writes), the table.
    struct BandRows {
        const VarDef* Mode;
        int ModeItemType;
        int ModeItem;
        const VarDef* Table;
    };

    // Out of line, where the list's request and row table types are complete.
    ~TAccessListForm() override;

    void CB_FilterCtrlChange(QObject* sender);
    void Bt_ApplyClick(QObject* sender);
    void Bt_DelClick(QObject* sender);
    // Closing is refused while a table read or a row write is out.
    bool BusyNow() const override;

    // False while a table read or a row write is out.
    uint8_t Idle = 1;

  protected:
    TAccessListForm(QWidget* owner, const Kind& kind);
    // Takes the controls, builds band 0's requests (and band 1's when buildSecond) and reads the
    // band of Band().
    void FormCreate(const Controls& controls, const BandRows& first, const BandRows* second = nullptr);

    // The typed address is fit to write (checked before a bound edit filters it); else says why,
    // focuses the typed edit and gives false.
    virtual bool CheckAddress(const std::string& address) = 0;
    // typed duplicates stored.
    virtual bool SameAddress(const std::string& typed, const std::string& stored) const = 0;
    // The band whose requests serve the form: 0 or 1.
    virtual int Band() const { return 0; }
    // Enables or disables what must rest while a read or write is out.
    virtual void SetActionsEnabled(bool enabled);
    // Idle: false, actions off, "Refresh...", the band's mode read, the two table reads.
    void RefreshBand();
    Controls C_{};

  private:
    struct Requests {
        TFormRequest<NxSNMPRequest2Edits> Mode;
        TFormRequest<NxSNMPRequest2Edits> Table;
        TFormRequest<New_req2Edit> Used;
        int ModeItem = 0; // the mode row this band binds
    };

    void BuildBand(int band, const BandRows& rows);
    Requests* Live();
    void StartTableReads(Requests& requests);
    void OnTableGetDone(NxSNMPError* result);
    void OnUsedGetDone(NxSNMPError* result);
    void OnTableSetDone(NxSNMPError* result);
    void EndReadWhenBothDone();
    // Clears the idle flag, writes the selected row; a raise makes the form idle again.
    void WriteRow(Requests& requests);
    void BecomeIdle();
    bool IsDuplicate();

    Kind Kind_;
    std::array<Requests, 2> Bands_;
    std::unique_ptr<FreeRowTable> Rows_;
    std::string ModeReadFailure_; // shown in place of "Get OK!" while the mode is unknown
    std::string TableReadResult_;
    bool Reading_ = false;
    bool TableRead_ = false;  // the last walk of every row ended without a failure
    bool AfterWrite_ = false; // the reads running are those after a row write
};
