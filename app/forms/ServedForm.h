#pragma once
// A settings form that moves files over its own TFTP server: the server, started at the opening
// and stopped once the close is accepted (or the form goes), and the modal wait a load runs under,
// which the request completions end.
#include "app/forms/SettingsForm.h"
#include "library/tftp/NxTFTPServer.h"

#include <functional>
#include <string>

class TEdit;
class TFM_Waiting;
struct NxSNMPError;

class TServedForm : public TSettingsForm {
    Q_OBJECT
  public:
    explicit TServedForm(QWidget* owner = nullptr);
    ~TServedForm() override;

    // False when the TFTP server could not start (the module is then asked to end).
    bool ServerStarted() const { return ServerStarted_; }

    NxTFTPServer* TFTPServer = nullptr;
    TFM_Waiting* Waiting = nullptr; // while a load's wait shows
    int WaitTickMilliseconds;       // the waiting dialog's tick; tests shorten it

  protected:
    // Starts the server at `root` on TFTPServerPort(); `onStatus` hears only the reports of the
    // transfer the form awaits, and only while the form is whole.
    void StartServer(const std::string& root, int timeout, int retries, NxTFTPStatusHandler onStatus = {},
                     const std::string& bindAddress = "0.0.0.0");
    // Empties `edit` and puts in the station's address that the device reaches the server at.
    bool PickServerAddress(TEdit* edit);
    // Moves the server to the folder of `path` and gives the name part; a server that cannot
    // listen there says why on the status place.
    bool RootServerAt(const std::string& path, std::string& name);
    // Both, for a file the device is to fetch: the address into `edit`, then the folder.
    bool ServeFileAt(TEdit* edit, const std::string& path, std::string& name) {
        return PickServerAddress(edit) && RootServerAt(path, name);
    }

    // The modal wait of a load: `upper` over "Please wait ....", for `countdown` ticks. `start`
    // runs once the dialog exists, so that an early answer always finds it.
    void RunLoadWait(const std::string& upper, int countdown, const std::function<void()>& start = {});
    // The running wait ends at its next tick.
    void EndWait();
    // The load's wait turns into the restart's once the device took the reboot, or left it
    // unanswered (then it claims nothing); a wait the device does not end is told as a failure.
    void AwaitRestart(const NxSNMPError* result, int countdown);
    void Warn(const std::string& text);
    // The status place says what went wrong last, the Warning box (when given) what the user can
    // do, and the wait ends.
    void FailLoad(const std::string& errorText, const char* box);
    // Sends one command of a load, every value of it the form's own. A command that cannot even
    // be sent ends the load at once (FailLoad with `box`) and gives false.
    bool SendLoadCommand(NxSNMPRequest2Edits& request, const char* box = nullptr);

    // The transfers end (the stop runs the event loop) before the requests their status may use.
    void ReleaseOnClose() override;

  private:
    NxTFTPStatusHandler ServerStatus_;
    bool ServerStarted_ = false;
};
