#pragma once
// How the file-moving forms use the waiting dialog while the device loads a file and restarts:
// the upper line (Label3) says what happens, the lower one (Label1) asks to wait.
#include <cstdint>
#include <string>

class NxSNMPRequest;
class TFM_Waiting;
struct NxSNMPError;

// `upper` over "Please wait ....", without a count, for `countdown` ticks. The top line claims
// nothing: the device has taken nothing yet.
void ShowLoadWait(TFM_Waiting& waiting, const std::string& upper, int countdown);
// The device took the save of its settings: the top line may say so.
void ShowSettingsSaved(TFM_Waiting* waiting);
// Only the upper line changes as the load goes on.
void ShowLoadStep(TFM_Waiting* waiting, const std::string& upper);
// "The device is restarting..." over "Please waiting for " with the seconds counted down.
void ShowRestartWait(TFM_Waiting* waiting, int countdown);
// A command left unanswered may have been taken by a device that restarts at once: the wait runs,
// but says only that the device did not answer and is awaited.
void ShowUnansweredWait(TFM_Waiting& waiting);
// Shown when a wait ends without the device answering again.
inline constexpr char kDeviceNotBackText[] = "The device did not answer again within the wait.";
// A device that restarts at once leaves the reboot command unanswered: no failure for that.
bool RebootLeftUnanswered(const NxSNMPError* result);
// Times a command the device acts on (a transfer, a save, an update, a restart), which goes out
// once: a retry would reach a device that already acts on it (a second save or upload, a restarted
// device), and an answer lost is told as the time-out it is.
void ArmLoadCommand(NxSNMPRequest& request, uint32_t timeOut);
