#include "app/program/FormMenu.h"

#include "app/program/About.h"
#include "app/program/MenuHandlers.h"
#include "app/views/Clientinfo.h"
#include "app/views/Devinfo.h"
#include "app/views/Indication.h"
#include "app/views/Information.h"
#include "app/views/Logset.h"
#include "app/views/Static.h"
#include "app/views/Systemlog.h"
#include "app/views/Wdsinfo.h"
#include "forms/admin/Admin.h"
#include "forms/admin/Cfghis.h"
#include "forms/admin/Firmware.h"
#include "forms/admin/Sntp.h"
#include "forms/admin/System.h"
#include "forms/network/Dhcp.h"
#include "forms/network/Ethfilter.h"
#include "forms/network/Group.h"
#include "forms/network/Lan.h"
#include "forms/network/Multi.h"
#include "forms/network/Rogueap.h"
#include "forms/network/Wipacl.h"
#include "forms/network/Wlanpart.h"
#include "forms/network/Wmacacl.h"
#include "forms/wireless/Performace.h"
#include "forms/wireless/Wirless.h"

void RegisterFormMenu() {
    // Owned by the main window: home information, WDS information, About; the rest by the application.
    SetMenuHandler("hInformation1", [](QWidget* main) { ShowHomeInformationForm(main); });
    SetMenuHandler("bLan1", [](QWidget*) { ShowLanForm(); });
    SetMenuHandler("bWireless1", [](QWidget*) { ShowWirlessForm(); });
    SetMenuHandler("adGrouping1", [](QWidget*) { ShowGroupForm(); });
    SetMenuHandler("RogueAP", [](QWidget*) { ShowRogueForm(); });
    SetMenuHandler("adEthernetFilters1", [](QWidget*) { ShowEthernetFilterForm(); });
    SetMenuHandler("adWirelessMACACL1", [](QWidget*) { ShowWirelessMACACLForm(); });
    SetMenuHandler("adWirelessIPACL1", [](QWidget*) { ShowWirelessIPACLForm(); });
    SetMenuHandler("adMultiSSID1", [](QWidget*) { ShowMultiForm(); });
    SetMenuHandler("adWirelessPartition1", [](QWidget*) { ShowWlanPartForm(); });
    SetMenuHandler("adPerformance1", [](QWidget*) { ShowPerformanceForm(); });
    SetMenuHandler("DHCPServer1", [](QWidget*) { ShowDhcpForm(); });
    SetMenuHandler("tAdmin2", [](QWidget*) { ShowAdminForm(); });
    SetMenuHandler("tFirmware1", [](QWidget*) { ShowFirmwareForm(); });
    SetMenuHandler("tUpdate1", [](QWidget*) { ShowCfgFileForm(); });
    SetMenuHandler("tSNTP1", [](QWidget*) { ShowSntpForm(); });
    SetMenuHandler("sySystemSetting1", [](QWidget*) { ShowSystemForm(); });
    SetMenuHandler("stDeviceInfo2", [](QWidget*) { ShowDevInfoForm(); });
    SetMenuHandler("stIndication1", [](QWidget*) { ShowIndication(); });
    SetMenuHandler("stClient1", [](QWidget*) { ShowClientInformation(); });
    SetMenuHandler("WDSInformation1", [](QWidget* main) { ShowWdsInformation(main); });
    SetMenuHandler("stStats1", [](QWidget*) { ShowStaticForm(); });
    SetMenuHandler("stViewLog1", [](QWidget*) { ShowLogForm(); });
    SetMenuHandler("stLogSetting1", [](QWidget*) { ShowLogSetForm(); });
    SetMenuHandler("About1", [](QWidget* main) { ShowAboutForm(main); });
}
