#pragma once
// "FTP Settings": the station logs in to the FTP server itself before the device is told to fetch
// a file from it, and keeps the three values only when the login worked.
#include "app/forms/SettingsForm.h"
#include "ui_Ftp.h"

#include <cstdint>
#include <string>

// Shared with the firmware form; they outlive the dialog.
extern std::string FtpServerAddress;
extern std::string FtpUserName;
extern std::string FtpPassword;
extern uint8_t FtpVerified; // 1 after a successful login test, else 0
// The server's control port; only a test points it elsewhere.
extern int FtpControlPort;
// The host the login test connects to; empty: the address typed. Only a test sets it, to reach a
// server on loopback, which the dialog refuses as an address.
extern std::string FtpControlHost;

class TFM_FTP : public TSettingsForm, public Ui::TFM_FTP {
    Q_OBJECT
  public:
    // Empties the three texts and clears FtpVerified.
    explicit TFM_FTP(QWidget* owner = nullptr);

    void Bt_OKClick(QObject* sender);
};
