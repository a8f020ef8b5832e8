#include "app/Systemlog.h"

#include "app/AddressChecks.h"
#include "app/Application.h"
#include "app/FormTftpServer.h"
#include "app/HostAddress.h"
#include "app/LogFileLines.h"
#include "app/LogObjectRows.h"
#include "library/tftp/NxTFTPServer.h"
#include "library/tftp/TFTPServerPort.h"
#include "library/tftp/TFTPStatus.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Exception.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "ui_Systemlog.h"

#include <QCloseEvent>
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
    : QDialog(owner), ui_(std::make_unique<Ui::TLogForm>()) {
    ui_->setupUi(this);
    ViewListView = ui_->ViewListView;
    StatusBar1 = ui_->StatusBar1;
    Clear_Btn = ui_->Clear_Btn;
    CloseBtn = ui_->CloseBtn;
    GetBtn = ui_->GetBtn;
    ServerEdit = ui_->ServerEdit;
    FileNameEdit = ui_->FileNameEdit;
    GetCoBox = ui_->GetCoBox;
    Bt_Clear = ui_->Bt_Clear;
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1000);
    Timer1->SetOnTimer([this](QObject*) { Timer1Timer(); });

    ViewListView->SetReportStyle();
    ViewListView->AddColumn("Time", 130);
    ViewListView->AddColumn("Type", 80);
    ViewListView->AddColumn("Message", 220);
    StatusBar1->AddPanel(50);

    connect(GetBtn, &QPushButton::clicked, this, [this] { GetBtnClick(); });
    connect(Clear_Btn, &QPushButton::clicked, this, [this] { Clear_BtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
    FormCreate(folder, bindAddress);
}

TLogForm::~TLogForm() {
    FormClose();
}

void TLogForm::ShowPanel(const std::string& text) {
    StatusBar1->ShowResult(text);
}

void TLogForm::FormCreate(const std::string& folder, const std::string& bindAddress) {
    try {
        LogRequest = std::make_unique<NxSNMPRequest2Edits>(this);
        LogRequest->Request.VarList = NxSNMPVarList(MibRows::logTftpServerIP_to_getLog(), SVT_SV, 0);
        LogRequest->SetStatusPanel(StatusBar1->Panel(0));
        LogRequest->BindEdits(0, "%s", ServerEdit);
        LogRequest->BindEdits(1, "%s", FileNameEdit);
        LogRequest->BindComboBox(2, GetCoBox);
        LogRequest->OnEndingGet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) { OnEndingGetLog(s, r); };
        LogRequest->OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) { OnEndingSetLog(s, r); };
        LogRequest->Get();

        ClearRequest = std::make_unique<NxSNMPRequest2Edits>(this);
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
        ShowPanel(e.what());
    }

    const std::string root = WithoutTrailingSlash(folder.empty() ? ProgramFolder() : folder);
    TFTPServer = StartFormTftpServer(
        this, root, 5000, 3, [this](NxTFTPMsg* msg, bool* cancel) { OnTFTPStatus(msg, cancel); },
        ServerStarted_, bindAddress);

    LogFilePath = root + "/" + kLogFileName;
    if (!LogRequest)
        return;
    ShowPanel("Refresh...");
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
    DevicePeer_ = DottedIPv4Of(LogRequest->Request.Device.Address);
    TransferDone_ = false;
    TransferFailed_ = false;
    UploadRunning_ = false;
    FetchEnded_ = false;
    FetchPending_ = true;
    AwaitingUpload_ = true;
    LogRequest->MarkAsked(-1);
    try {
        LogRequest->Set(true, true);
    } catch (const std::exception&) {
        FetchPending_ = false;
        FetchEnded_ = true;
        EndFetch(false);
    }
}

void TLogForm::EndFetch(bool loaded) {
    AwaitingUpload_ = false;
    UploadRunning_ = false;
    Timer1->SetEnabled(false);
    if (!loaded)
        ShowPanel("Get file fail!");
}

void TLogForm::OnEndingGetLog(NxSNMPRequest2Controls*, NxSNMPError* result) {
    if (result->Code != 0) {
        if (!FetchPending_ && !FetchEnded_)
            ShowPanel("Get file fail!");
        return;
    }
    // A file left from an earlier fetch is shown while the new one is on its way.
    if (!FetchEnded_) {
        std::vector<std::string> lines;
        if (ReadLogFileLines(LogFilePath, lines)) {
            LBLog = lines;
            ShowRows(lines);
        }
    }
}

void TLogForm::OnEndingSetLog(NxSNMPRequest2Controls*, NxSNMPError* result) {
    FetchPending_ = false;
    FetchEnded_ = true;
    if (!AwaitingUpload_)
        return;
    if (result->Code != 0 || TransferFailed_)
        return EndFetch(false);
    if (TransferDone_) {
        LoadLogFile(LogFilePath);
        return;
    }
    // The device may still be sending: wait for the server's word, three ticks at most unless a
    // session for the log is under way.
    TickCounter = 2;
    Timer1->SetEnabled(true);
}

bool TLogForm::FromDevice(const NxTFTPMsg& msg) const {
    return msg.RequestMode == 2 && msg.FileName == kLogFileName && !DevicePeer_.empty() &&
           msg.PeerAddress == DevicePeer_;
}

void TLogForm::OnTFTPStatus(NxTFTPMsg* msg, bool*) {
    // Only the upload asked for counts: no other peer's, none outside a fetch.
    if (!AwaitingUpload_ || !FromDevice(*msg))
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
    AwaitingUpload_ = false;
    UploadRunning_ = false;
    std::vector<std::string> lines;
    if (!ReadLogFileLines(path, lines)) {
        ShowPanel("Get file fail!");
        return false;
    }
    LBLog = lines;
    ShowRows(lines);
    ShowPanel("Get OK!");
    return true;
}

void TLogForm::ShowRows(const std::vector<std::string>& lines) {
    ViewListView->ClearItems();
    LogFileRow row;
    for (const std::string& line : lines) {
        if (!SplitLogLine(line, row))
            continue;
        const int item = ViewListView->AddItem(row.Time);
        ViewListView->AddSubItem(item, row.Type);
        ViewListView->AddSubItem(item, row.Message);
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
        ShowPanel(e.what());
    }
}

void TLogForm::OnEndingClear(NxSNMPRequest2Controls*, NxSNMPError* result) {
    if (result->Code == 0)
        ViewListView->ClearItems();
    else
        ClearRequest->ShowStatus(result->Message);
}

void TLogForm::CloseBtnClick() {
    close();
}

bool TLogForm::FormCloseQuery() {
    if (TFTPServer) {
        TFTPServer->Stop();
        delete TFTPServer;
        TFTPServer = nullptr;
    }
    return true;
}

void TLogForm::FormClose() {
    Timer1->SetEnabled(false);
    LogRequest.reset();
    if (TFTPServer) {
        TFTPServer->Stop();
        delete TFTPServer;
        TFTPServer = nullptr;
    }
    ClearRequest.reset();
}

void TLogForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TLogForm::reject() {
    FormCloseQuery();
    QDialog::reject();
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
    ui_->Panel1->setGeometry(0, 0, w, buttonsTop - 8);
    ui_->Panel2->setGeometry(10, 10, ui_->Panel1->width() - 20, ui_->Panel1->height() - 20);
    ui_->GroupBox1->setGeometry(0, 0, ui_->Panel2->width(), ui_->Panel2->height());
    GetBtn->move(w * 40 / kBaseWidth, buttonsTop);
    Clear_Btn->move(w * 252 / kBaseWidth, buttonsTop);
    CloseBtn->move(w * 368 / kBaseWidth, buttonsTop);
    StatusBar1->setGeometry(0, h - bar, w, bar);
}

void ShowLogForm() {
    try {
        TLogForm form(nullptr);
        if (form.ServerStarted())
            form.exec();
    } catch (const std::exception& e) {
        ShowException(e);
    }
}
