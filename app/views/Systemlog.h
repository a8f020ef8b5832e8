#pragma once
// The device log viewer: the device uploads its log by TFTP to this form's own server, which
// then shows the file's lines as time, type and message.
#include "app/views/StatusView.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "ui_Systemlog.h"

#include <string>
#include <vector>

class NxTFTPServer;
struct NxTFTPMsg;
class TTimer;

// Full path of the last received log file ("D:\LogFile.RD" until a log form was opened).
extern std::string LogFilePath;

class TLogForm : public TStatusView, public Ui::TLogForm {
    Q_OBJECT
  public:
    static constexpr const char* kLogFileName = "LogFile.RD";

    // folder: where the server is rooted and the file lands, the program folder when empty;
    // bindAddress: the server's local address. Both are for tests only.
    explicit TLogForm(QWidget* owner = nullptr, const std::string& folder = {},
                      const std::string& bindAddress = "0.0.0.0");
    // The server stops before the requests go, the timer before both.
    ~TLogForm() override;

    TTimer* Timer1 = nullptr;

    TFormRequest<NxSNMPRequest2Edits> LogRequest;
    TFormRequest<NxSNMPRequest2Edits> ClearRequest;
    NxTFTPServer* TFTPServer = nullptr;
    int TickCounter = 0;
    std::vector<std::string> LBLog; // the lines of the last file read

    // False when the TFTP server could not start (the module is then asked to end).
    bool ServerStarted() const { return ServerStarted_; }
    // True from the get-log write until the device answered it.
    bool FetchPending() const { return FetchPending_; }

    void GetBtnClick();
    void Clear_BtnClick();
    void Timer1Timer();
    // Shows the file's rows; false (and the list kept) when it cannot be read.
    bool LoadLogFile(const std::string& path);

  protected:
    // A closed form serves no more files.
    void ReleaseOnClose() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormCreate(const std::string& folder, const std::string& bindAddress);
    void FormResize();
    void OnEndingGetLog(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnEndingSetLog(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnEndingClear(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnTFTPStatus(NxTFTPMsg* msg, bool* cancel);
    void ShowRows(const std::vector<std::string>& lines);

    bool ServerStarted_ = false;
    // `text` ("Get file fail!" when empty), kept until a fetch succeeds.
    void ShowFetchFailure(const std::string& text = {});
    // `failure` as ShowFetchFailure takes it.
    void EndFetch(bool loaded, const std::string& failure = {});
    std::string OldFileSkipped_; // why the log file found at the opening was not read

    bool FetchPending_ = false;
    bool FetchEnded_ = false;
    bool AwaitingUpload_ = false; // from the get-log write until the file is shown or has failed
    bool UploadRunning_ = false;  // the device's write session for the log has begun, not ended
    bool TransferDone_ = false;   // the device's upload ended well since the fetch began
    bool TransferFailed_ = false; // ... or ended in failure
};

// The menu's Status \ Log \ View Log: the form, owned by the application, shown modally.
void ShowLogForm();
