#include "app/forms/LoadWait.h"

#include "app/forms/Wait.h"
#include "library/snmp/NxSNMPRequest.h"
#include "library/snmp/NxSNMPStatus.h"

#include <QLabel>

void ShowLoadWait(TFM_Waiting& waiting, const std::string& upper, int countdown) {
    waiting.Label2->clear();
    waiting.Label3->setText(QString::fromStdString(upper));
    waiting.Label1->setText("Please wait ....");
    waiting.La_Time->hide();
    waiting.seconds->hide();
    waiting.Countdown = countdown;
}

void ShowLoadStep(TFM_Waiting* waiting, const std::string& upper) {
    if (waiting != nullptr)
        waiting->Label3->setText(QString::fromStdString(upper));
}

void ShowSettingsSaved(TFM_Waiting* waiting) {
    if (waiting != nullptr)
        waiting->Label2->setText("Settings saved.");
}

void ShowRestartWait(TFM_Waiting* waiting, int countdown) {
    if (waiting == nullptr)
        return;
    waiting->Countdown = countdown;
    waiting->La_Time->setText(QString::number(countdown));
    waiting->Label3->setText("The device is restarting...");
    waiting->Label1->setText("Please waiting for ");
    waiting->La_Time->show();
    waiting->seconds->show();
}

void ShowUnansweredWait(TFM_Waiting& waiting) {
    waiting.Label2->setText("The device did not answer.");
    waiting.Label3->setText("Waiting for it to come back.");
}

bool RebootLeftUnanswered(const NxSNMPError* result) {
    return result != nullptr && result->Code == SNMP_CLASS_TIMEOUT;
}

void ArmLoadCommand(NxSNMPRequest& request, uint32_t timeOut) {
    request.TimeOut = timeOut;
    request.Retries = 0;
}
