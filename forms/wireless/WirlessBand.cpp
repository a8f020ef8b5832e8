#include "forms/wireless/WirlessBand.h"

#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/ListView.h"

#include <QGroupBox>
#include <QPushButton>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace {

template <typename T> void Take(QWidget* form, T*& control, const std::string& name) {
    control = form->findChild<T*>(QString::fromStdString(name));
    if (!control)
        throw std::logic_error("wireless form layout lacks " + name);
}

// The layout's names of one set of key and server controls; `Key` is the stem of the four key
// edits, which end in their number and the band's letter.
struct KeyServerNames {
    const char *Encryp, *KeyType, *KeySize, *ValKey, *Key;
    const char *RadiusServer, *RadiusPort, *RadiusSecret, *AccountMode, *AccountServer, *AccountPort;
};

// Page 1's names, then page 2's.
const KeyServerNames kOwnNames[2] = {
    {"Ed_SecEncypa", "Ed_KeyType", "Ed_KeySize", "Ed_SecValKeya", "Ed_Key", "RadiusServerEdit",
     "RadiusportEdit", "RadiusSecretEdit", "CB_AccountMode", "Ed_AccountServer", "Ed_AccountPort"},
    {"Ed_SecEncypg", "Ed_KeyType_g", "Ed_KeySize_g", "Ed_SecValKeyg", "Ed_Key", "RadiusServerEdit_g",
     "RadiusportEdit_g", "RadiusSecretEdit_g", "Cb_AccountMode_g", "Ed_AccountServer_g", "Ed_AccountPort_g"}};
const KeyServerNames kDot1xNames[2] = {
    {"Ed_8021xEncrypta", "CB_8021xKTypea", "CB_8021xKSizea", "CB_8021xValKeya", "Ed_8021xKey",
     "Ed_8021xRadiusServa", "Ed_8021xRadiusPorta", "Ed_8021xRadiusSecra", "Cb_AccountMode_802",
     "Ed_AccountServer_802", "Ed_AccountPort_802"},
    {"Ed_8021xEncryptg", "CB_8021xKTypeg", "CB_8021xKSizeg", "CB_8021xValKeyg", "Ed_8021xKey",
     "Ed_8021xRadiusServg", "Ed_8021xRadiusPortg", "Ed_8021xRadiusSecrg", "Cb_AccountMode_802g",
     "Ed_AccountServer_802g", "Ed_AccountPort_802g"}};

void TakeKeyServer(QWidget* form, WirlessKeyServerControls& c, const KeyServerNames& names,
                   const std::string& band) {
    Take(form, c.Encryp, names.Encryp);
    Take(form, c.KeyType, names.KeyType);
    Take(form, c.KeySize, names.KeySize);
    Take(form, c.ValKey, names.ValKey);
    for (int k = 0; k < 4; ++k)
        Take(form, c.Key[k], names.Key + std::to_string(k + 1) + band);
    Take(form, c.RadiusServer, names.RadiusServer);
    Take(form, c.RadiusPort, names.RadiusPort);
    Take(form, c.RadiusSecret, names.RadiusSecret);
    Take(form, c.AccountMode, names.AccountMode);
    Take(form, c.AccountServer, names.AccountServer);
    Take(form, c.AccountPort, names.AccountPort);
}

} // namespace

void WirlessBand::Find(QWidget* form, int number) {
    Number = number;
    PageIndex = number - 1;
    const bool a = number == 1;
    auto take = [&](auto*& control, const char* first, const char* second) {
        Take(form, control, a ? first : second);
    };
    const std::string s = a ? "a" : "g";
    Take(form, Page, a ? "TS_11a" : "TS_11g");

    take(SSID, "Ed_SSIDa", "Ed_SSIDg");
    take(SSIDBcast, "CB_SSIDBcasta", "CB_SSIDBcastg");
    take(Chan, "CB_Chana", "CB_Chang");
    take(ChanBound, "Ed_Chana", "Ed_Chang");
    take(ChanList, "Ed_ChanLista", "Ed_ChanListg");
    take(WdsChanList, "EdWDSChannelList_a", "EdWDSChannelList_g");
    take(RaFreq, "Ed_RaFreqa", "Ed_RaFreqg");
    take(AutoScan, "CHK_AtoScana", "CHK_AtoScang");
    take(ApMode, "ED_APModeComboBox", "ED_APModeComboBoxg");
    Take(form, AuthLabel, "LA_Auth_" + s);
    take(AuthTemp, "Ed_SecAuthaTemp", "Ed_SecAuthgTemp");
    take(Auth, "Ed_SecAutha", "Ed_SecAuthg");

    TakeKeyServer(form, *this, kOwnNames[PageIndex], s);
    TakeKeyServer(form, X, kDot1xNames[PageIndex], s);
    take(CipherRadius, "CiphertypeComboBox", "CiphertypeComboBox_g");
    take(GroupKey, "GroupKeyEdit", "GroupKeyEdit_g");

    take(RadiusMode, "CB_RadiusMode", "CB_RadiusMode_g");
    take(SecRadiusServer, "Ed_SecRadiusServer", "Ed_SecRadiusServer_g");
    take(SecRadiusPort, "Ed_SecRadiusport", "Ed_SecRadiusport_g");
    take(SecRadiusSecret, "Ed_SecRadiusSecret", "Ed_SecRadiusSecret_g");
    take(SecAccountMode, "CB_SecAccountingMode", "CB_SecAccountingMode_g");
    take(SecAccountServer, "Ed_SecAccountServer", "Ed_SecAccountServer_g");
    take(SecAccountPort, "Ed_SecAccountPort", "Ed_SecAccountPort_g");

    take(CipherPsk, "CipherforPSKBox", "CipherforPSKBox_g");
    take(GroupKeyPsk, "GroupKeyPSKEdit", "GroupKeyPSKEdit_g");
    take(PassPhrase, "PassPhrasePSKEdit", "PassPhrasePSKEdit_g");

    take(XType, "CB_8021xTypea", "CB_8021xTypeg");
    take(XCipher, "CB_8021xCipherTypea", "CB_8021xCipherTypeg");

    for (int i = 0; i < 8; ++i)
        Take(form, WdsMac[i], "Ed_ReMAddr" + s + std::to_string(i));
    take(RoMac, "Ed_RoMAddra0", "Ed_RoMAddrg0");
    take(RepeaterSSID, "Ed_SSID", "Ed_SSID_g");
    take(CRoMac, "Ed_CRoMAddra0", "Ed_CRoMAddrg0");
    take(Scan, "SiteScan", "SiteScang");
    take(Sites, "LV_SiteInfoa", "LV_SiteInfog");
    take(SiteTrigger, "CB_SiteDeca", "CB_SiteDecg");

    take(Cipher, "CB_Ciphera", "CB_Cipherg");
    take(RtsLen, "Ed_RtsLena", "Ed_RtsLeng");
    take(DataRateStatus, "CB_DateStatus_a", "CB_DateStatus_g");
    take(MssidState, "MSSIDaCoBox", "MSSIDgCoBox");
    for (int i = 0; i < 7; ++i) {
        Take(form, MultEncyt[i], "CB_MultEncyt" + std::to_string(i + 1) + s);
        Take(form, MultiAuth[i], "CB_MultiAuth" + std::to_string(i + 1) + s);
    }

    take(GbWireless, "GroupBox7", "GroupBox7_g");
    take(GbWds, "GroupBox1", "GroupBox1_g");
    take(GbRepeater, "GroupBox2", "GroupBox2_g");
    take(GbSite, "GroupBox3", "GroupBox3_g");
    take(GbKey, "GroupBox4", "GroupBox4_g");
    take(GbRadius, "GroupBox5", "GroupBox5_g");
    take(GbSecRadius, "GB_SecRadServer_a", "GB_SecRadServer_g");
    take(GbPsk, "GroupBox6", "GroupBox6_g");
    take(Gb8021x, "GB_8021x", "GB_8021xg");
}

bool WirlessBand::AccessPoint() const {
    return ApMode->GetItemIndex() == 0;
}

bool WirlessBand::Wds() const {
    return IsWdsIndex(ApMode->GetItemIndex());
}

bool WirlessBand::KeyTyped() const {
    for (const WirlessKeyServerControls* group : {static_cast<const WirlessKeyServerControls*>(this), &X})
        for (const TEdit* key : group->Key)
            if (key->UserChanged())
                return true;
    return false;
}
