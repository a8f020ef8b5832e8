#include "forms/admin/Ftp.h"

#include "app/program/Main.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"
#include "platform/NMFTP.h"

#include <QApplication>
#include <QPushButton>
#include <exception>

std::string FtpServerAddress;
std::string FtpUserName;
std::string FtpPassword;
uint8_t FtpVerified = 0;
int FtpControlPort = 21;
std::string FtpControlHost;

namespace {

constexpr int kVendor = 2411;
constexpr char kControlCharacterRefused[] =
    "FTP Server IP, User Name and Password must not contain control characters.";

// The hourglass for as long as the login takes, however the test ends.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TFM_FTP::TFM_FTP(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);
    Ed_Password->setEchoMode(QLineEdit::Password);
    SetUpWindow(nullptr);
    OnClicked(Bt_OK, [this] { Bt_OKClick(Bt_OK); });

    FtpServerAddress.clear();
    FtpUserName.clear();
    FtpPassword.clear();
    FtpVerified = 0;
}

void TFM_FTP::Bt_OKClick(QObject*) {
    FtpVerified = 0;
    // Whether typed, pasted or read from the device: such a text is never sent, so never verified.
    for (TEdit* edit : {Ed_FtpSrv, Ed_UserName, Ed_Password}) {
        if (HoldsControlCharacter(edit->Text())) {
            MessageBox(this, kControlCharacterRefused, "Warning", MB_OK);
            edit->setFocus();
            return;
        }
    }
    if (!TMainForm::IsValidIPAddress(Ed_FtpSrv->Text())) {
        MessageBox(this, "Please input valid IP Address for FTP Server.", "Warning", MB_OK);
        Ed_FtpSrv->SetText("");
        return;
    }
    bool verified = false;
    try {
        TNMFTP ftp(this);
        ftp.Vendor = kVendor;
        ftp.Host = FtpControlHost.empty() ? Ed_FtpSrv->Text() : FtpControlHost;
        ftp.Port = FtpControlPort;
        ftp.UserID = Ed_UserName->Text();
        ftp.Password = Ed_Password->Text();
        BusyCursor busy;
        ftp.Connect();
        if (ftp.Connected()) {
            FtpServerAddress = Ed_FtpSrv->Text();
            FtpUserName = Ed_UserName->Text();
            FtpPassword = Ed_Password->Text();
            FtpVerified = 1;
            ftp.Disconnect();
            verified = true;
        }
    } catch (const std::exception& e) {
        ShowMessage(e.what());
        return;
    }
    if (verified)
        accept();
    else
        MessageBox(this, "Please input valid FTP Address and UserName Password.", "Warning", MB_OK);
}
