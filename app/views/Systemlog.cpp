#include "app/views/Systemlog.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/FormTftpServer.h"
#include "app/forms/LoadWait.h"
#include "app/forms/LogFileLines.h"
#include "app/forms/ShowForm.h"
#include "app/views/LogObjectRows.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/tftp/NxTFTPServer.h"
#include "library/tftp/TFTPServerPort.h"
#include "library/tftp/TFTPStatus.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/ProgramFolder.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <exception>
#include <fstream>

std::string LogFilePath = "D:\\LogFile.RD";

namespace {

constexpr int kBaseWidth = 478;

std::string WithoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace

TLogForm::TLogForm(QWidget* owner, const std::string& folder, const std::string& bindAddress)
    : TStatusView(owner, Frame::Plain) {
    setupUi(this);
    Timer1 = AddTimer(TimerStart::ByView, 1000, [this] { Timer1Timer(); });

    ViewListView->SetReportStyle();
    ViewListView->AddColumn("Time", 130);
    ViewListView->AddColumn("Type", 80);
    ViewListView->AddColumn("Message", 220);
    SetUpWindow(StatusBar1, 50);

    OnClicked(GetBtn, [this] { GetBtnClick(); });
    OnClicked(Clear_Btn, [this] { Clear_BtnClick(); });
    OnCancel(CloseBtn);
    FormCreate(folder, bindAddress);
}

TLogForm::~TLogForm() {
    StopTimers();
    StopFormTftpServer(TFTPServer);
}

void TLogForm::ReleaseOnClose() {
    StopFormTftpServer(TFTPServer);
    TStatusView::ReleaseOnClose();
}

void TLogForm::FormCreate(const std::string& folder, const std::string& bindAddress) {
    try {
        MakeRequest(LogRequest);
        LogRequest->Request.VarList = NxSNMPVarList(MibRows::logTftpServerIP_to_getLog(), SVT_SV, 0);
        ArmLoadCommand(LogRequest->Request, LogRequest->Request.TimeOut);
        LogRequest->SetStatusPanel(StatusBar1->Panel(0));
        LogRequest->BindEdits(0, "%s", ServerEdit);
        LogRequest->BindEdits(1, "%s", FileNameEdit);
        LogRequest->BindComboBox(2, GetCoBox);
        LogRequest->OnEndingGet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) { OnEndingGetLog(s, r); };
        LogRequest->OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) { OnEndingSetLog(s, r); };
        LogRequest->Get();

        MakeRequest(ClearRequest);
        ClearRequest->Request.VarList = NxSNMPVarList(MibRows::clearLocalLog(), SVT_SV, 0);
        ClearRequest->SetStatusPanel(StatusBar1->Panel(0));
        ClearRequest->BindComboBox(0, Bt_Clear);
        ClearRequest->OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
            OnEndingClear(s, r);
        };
        ClearRequest->Get();
    } catch (const std::exception& e) {
        // The error stays up: with no request there is nothing to refresh.
        LogRequest.reset();
        ClearRequest.reset();
        ShowStatus(e.what());
    }

    const std::string root = WithoutTrailingSlash(folder.empty() ? ProgramFolder() : folder);
    TFTPServer = StartFormTftpServer(
        this, root, 5000, 3, [this](NxTFTPMsg* msg, bool* cancel) { OnTFTPStatus(msg, cancel); },
        ServerStarted_, bindAddress);

    LogFilePath = root + "/" + kLogFileName;
    if (!LogRequest)
        return;
    ShowStatus("Refresh...");
    // Without a server the device would be asked to upload to nothing.
    if (ServerStarted_)
        GetBtnClick();
}

void TLogForm::GetBtnClick() {
    if (!LogRequest || FetchPending_)
        return;
    FileNameEdit->SetText(kLogFileName);
    ServerEdit->SetText("");
    if (!PickLocalServerAddress(ServerEdit))
        return;
    GetCoBox->SetItemIndex(0);
    Timer1->SetEnabled(false);
    TransferDone_ = false;
    TransferFailed_ = false;
    UploadRunning_ = false;
    FetchEnded_ = false;
    FetchPending_ = true;
    AwaitingUpload_ = true;
    AwaitDeviceTransfer(TFTPServer, *LogRequest, kLogFileName, DeviceTransfer::Writes);
    LogRequest->MarkAsked(-1);
    try {
        LogRequest->Set(true, true);
    } catch (const std::exception&) {
        FetchPending_ = false;
        FetchEnded_ = true;
        EndFetch(false);
    }
}

void TLogForm::EndFetch(bool loaded, const std::string& failure) {
    AwaitingUpload_ = false;
    EndDeviceTransfer(TFTPServer);
    UploadRunning_ = false;
    Timer1->SetEnabled(false);
    if (!loaded)
        ShowFetchFailure(failure);
}

void TLogForm::ShowFetchFailure(const std::string& text) {
    const std::string shown = text.empty() ? "Get file fail!" : text;
    // An old log file that is not read is also why no upload can take its place: its reason stays.
    ShowStatus(OldFileSkipped_.empty() || shown == OldFileSkipped_ ? shown : shown + " " + OldFileSkipped_);
    if (LogRequest)
        KeepReadFailure(*LogRequest);
}

void TLogForm::OnEndingGetLog(NxSNMPRequest2Controls*, NxSNMPError* result) {
    if (result->Code != 0) {
        if (!FetchPending_ && !FetchEnded_)
            ShowFetchFailure();
        return;
    }
    // A file left from an earlier fetch is shown while the new one is on its way.
    if (!FetchEnded_) {
        std::vector<std::string> lines;
        std::string why;
        if (ReadLogFileLines(LogFilePath, lines, &why)) {
            LBLog = lines;
            ShowRows(lines);
        } else if (!why.empty()) {
            OldFileSkipped_ = why;
            ShowStatus(why);
        }
    }
}

void TLogForm::OnEndingSetLog(NxSNMPRequest2Controls*, NxSNMPError* result) {
    FetchPending_ = false;
    FetchEnded_ = true;
    if (!AwaitingUpload_)
        return;
    if (result->Code != 0 || TransferFailed_)
        return EndFetch(false, result->Code == SNMP_CLASS_TIMEOUT ? result->Message : std::string());
    if (TransferDone_) {
        LoadLogFile(LogFilePath);
        return;
    }
    // The device may still be sending: wait for the server's word, three ticks at most unless a
    // session for the log is under way.
    TickCounter = 2;
    Timer1->SetEnabled(true);
}

void TLogForm::OnTFTPStatus(NxTFTPMsg* msg, bool*) {
    // The server reports only the device's upload of the log asked for by this fetch.
    if (!AwaitingUpload_)
        return;
    if (msg->Status == TFTP_CONNECTED || msg->Status == TFTP_TRANSFERRING) {
        UploadRunning_ = true;
        return;
    }
    if (msg->Status != TFTP_SUCCESS && msg->Status >= 0)
        return;
    UploadRunning_ = false;
    if (msg->Status < 0) {
        TransferFailed_ = true;
        if (FetchEnded_)
            EndFetch(false);
        return;
    }
    TransferDone_ = true;
    if (FetchEnded_) {
        Timer1->SetEnabled(false);
        // Read it once the session has let go of the file, outside the server's handler.
        QPointer<TLogForm> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self)
                self->LoadLogFile(LogFilePath);
        });
    }
}

void TLogForm::Timer1Timer() {
    if (TickCounter < 1 && !UploadRunning_) {
        Timer1->SetEnabled(false);
        LoadLogFile(LogFilePath);
    }
    --TickCounter;
}

bool TLogForm::LoadLogFile(const std::string& path) {
    Timer1->SetEnabled(false);
    // Reached once the device took the fetch: what it sent may now replace the old file.
    const bool kept = TFTPServer == nullptr || KeepDeviceTransfer(TFTPServer);
    AwaitingUpload_ = false;
    UploadRunning_ = false;
    std::vector<std::string> lines;
    std::string why;
    if (!kept || !ReadLogFileLines(path, lines, &why)) {
        ShowFetchFailure(why);
        return false;
    }
    OldFileSkipped_.clear();
    LBLog = lines;
    ShowRows(lines);
    if (LogRequest)
        DropReadFailure(*LogRequest);
    ShowReadOk("Get OK!");
    return true;
}

void TLogForm::ShowRows(const std::vector<std::string>& lines) {
    ViewListView->ClearItems();
    LogFileRow row;
    for (const std::string& line : lines) {
        if (!SplitLogLine(line, row))
            continue;
        const int item = ViewListView->AddItem(ShownPart(row.Time));
        ViewListView->AddSubItem(item, ShownPart(row.Type));
        ViewListView->AddSubItem(item, ShownPart(row.Message));
    }
}

void TLogForm::Clear_BtnClick() {
    if (!ClearRequest || ClearRequest->Busy)
        return;
    Bt_Clear->SetItemIndex(1);
    ClearRequest->MarkAsked(-1);
    try {
        ClearRequest->Set(true, true);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void TLogForm::OnEndingClear(NxSNMPRequest2Controls*, NxSNMPError* result) {
    if (result->Code == 0) {
        ViewListView->ClearItems();
        return DropReadFailure(*ClearRequest);
    }
    ClearRequest->ShowStatus(result->Message);
    KeepReadFailure(*ClearRequest);
}

void TLogForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void TLogForm::FormResize() {
    const int w = width();
    const int h = height();
    const int bar = StatusBar1->height();
    const int buttonsTop = h - bar - 37;
    Panel1->setGeometry(0, 0, w, buttonsTop - 8);
    Panel2->setGeometry(10, 10, Panel1->width() - 20, Panel1->height() - 20);
    GroupBox1->setGeometry(0, 0, Panel2->width(), Panel2->height());
    GetBtn->move(w * 40 / kBaseWidth, buttonsTop);
    Clear_Btn->move(w * 252 / kBaseWidth, buttonsTop);
    CloseBtn->move(w * 368 / kBaseWidth, buttonsTop);
    StatusBar1->setGeometry(0, h - bar, w, bar);
}

void ShowLogForm() {
    ShowServedForm<TLogForm>();
}
