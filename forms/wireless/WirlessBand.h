#pragma once
// The controls of one band page of the wireless form and what the form remembers about that band.
// Every rule of the form is written once against this record; the page-2 controls are the twins of
// page 1's under their own names.
#include <string>

class QGroupBox;
class QPushButton;
class QWidget;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;

// The key settings and the RADIUS and accounting servers: a band's own groups hold them, and the
// 802.1x group shows the same settings again under controls of its own.
struct WirlessKeyServerControls {
    TComboBox* Encryp = nullptr;
    TComboBox* KeyType = nullptr;
    TComboBox* KeySize = nullptr;
    TComboBox* ValKey = nullptr;
    TEdit* Key[4] = {};
    TEdit* RadiusServer = nullptr;
    TEdit* RadiusPort = nullptr;
    TEdit* RadiusSecret = nullptr;
    TComboBox* AccountMode = nullptr;
    TEdit* AccountServer = nullptr;
    TEdit* AccountPort = nullptr;
};

// The band's Key Settings and Radius Server Settings are the controls it derives.
struct WirlessBand : WirlessKeyServerControls {
    int Number = 1; // the MIB instance: 1 first radio (page TS_11a), 2 second (TS_11g)
    int PageIndex = 0;
    QWidget* Page = nullptr;

    // Wireless Settings
    TEdit* SSID = nullptr;
    TComboBox* SSIDBcast = nullptr;
    TComboBox* Chan = nullptr; // the visible choice
    TEdit* ChanBound = nullptr;
    TEdit* ChanList = nullptr;
    TEdit* WdsChanList = nullptr;
    TEdit* RaFreq = nullptr;
    TCheckBox* AutoScan = nullptr;
    TComboBox* ApMode = nullptr;
    // Authentication: the visible choice and the bound combo with all ten kinds
    TLabel* AuthLabel = nullptr;
    TComboBox* AuthTemp = nullptr;
    TComboBox* Auth = nullptr;
    // Radius Server Settings beside the derived ones
    TComboBox* CipherRadius = nullptr;
    TEdit* GroupKey = nullptr;
    // Secondary Radius Server Settings
    TComboBox* RadiusMode = nullptr;
    TEdit* SecRadiusServer = nullptr;
    TEdit* SecRadiusPort = nullptr;
    TEdit* SecRadiusSecret = nullptr;
    TComboBox* SecAccountMode = nullptr;
    TEdit* SecAccountServer = nullptr;
    TEdit* SecAccountPort = nullptr;
    // PassPhrase Settings
    TComboBox* CipherPsk = nullptr;
    TEdit* GroupKeyPsk = nullptr; // bound
    TEdit* PassPhrase = nullptr;
    // 802.1x Settings: its copies of the key and server settings, its type and cipher
    WirlessKeyServerControls X;
    TComboBox* XType = nullptr; // bound: Static / Dynamic
    TComboBox* XCipher = nullptr;
    // WDS, AP repeater, site survey
    TEdit* WdsMac[8] = {};
    TEdit* RoMac = nullptr;
    TEdit* RepeaterSSID = nullptr;
    TEdit* CRoMac = nullptr;
    QPushButton* Scan = nullptr;
    TListView* Sites = nullptr;
    TComboBox* SiteTrigger = nullptr;
    // Hidden bound controls
    TComboBox* Cipher = nullptr;
    TEdit* RtsLen = nullptr;
    TComboBox* DataRateStatus = nullptr;
    TComboBox* MssidState = nullptr;
    TComboBox* MultEncyt[7] = {};
    TComboBox* MultiAuth[7] = {};
    // Group boxes
    QGroupBox* GbWireless = nullptr;
    QGroupBox* GbWds = nullptr;
    QGroupBox* GbRepeater = nullptr;
    QGroupBox* GbSite = nullptr;
    QGroupBox* GbKey = nullptr;
    QGroupBox* GbRadius = nullptr;
    QGroupBox* GbSecRadius = nullptr;
    QGroupBox* GbPsk = nullptr;
    QGroupBox* Gb8021x = nullptr;

    // State
    bool AccountingSupported = false;
    bool BakAccountingSupported = false;
    bool KeysHoldHex = true;
    int MssidStateRead = 0;            // the band's multi-SSID function as last read (1 on)
    bool SiteWalkQuiet = false;        // the walk re-lists the sites after Apply without a success text
    bool SiteWalkKeepsFailure = false; // ... and after a failed Apply without any text
    std::string SnapValidKey;
    std::string SnapGroupKey;
    std::string SnapCipher;
    int SnapApMode = 0;
    // What Apply's reconciliation with the additional SSIDs found, for its warnings.
    struct ReconcileFlags {
        bool Enterprise = false;
        bool KeySlot1 = false;
        bool KeyValue = false;
        bool GroupKey = false;
        bool KeySlots23 = false;
    } Found;

    // The AP mode as the page shows it: "Access Point", one of the two WDS modes, or neither (not
    // read, or a mode the list lacks), which no rule takes for either.
    bool AccessPoint() const;
    bool Wds() const;
    static bool IsWdsIndex(int index) { return index == 1 || index == 2; }
    // The user typed into one of the band's WEP key edits since they were last read.
    bool KeyTyped() const;

    // Finds the page's controls under their page-1 or page-2 names.
    void Find(QWidget* form, int number);
    // The first or the second band's name of a control.
    const char* Name(const char* first, const char* second) const { return Number == 2 ? second : first; }
};
