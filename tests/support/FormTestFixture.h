#pragma once
// What a form test needs: a simulated device, the process's SNMP session pointed at it (SNMPv2c,
// public/private), and every message box and beep recorded instead of shown.
#include "platform/MessageRecorder.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/DevSim.h"
#include "tests/support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QPushButton;
class QWidget;
class TComboBox;
class TEdit;

class SimulatedDeviceSession {
  public:
    explicit SimulatedDeviceSession(const DevSimOptions& options = {});
    ~SimulatedDeviceSession();

    DevSim& Sim() { return *Sim_; }
    MessageRecorder& Messages() { return Recorder_; }
    // Points the defaults at the device again (a test may have changed them).
    void UseDevice();

    // The values of every binding the device received in PDUs of this type ("SET", "GET", ...), in order.
    std::vector<DevSimLogLine> Received(const std::string& pduType) const;
    // What the device holds now in each writable object of the bundled data under the prefix (those
    // of a group it leaves out excepted).
    std::map<std::string, std::string> Values(const std::string& prefix);

  private:
    std::unique_ptr<DevSim> Sim_;
    MessageRecorder Recorder_;
};

// Runs the event loop (the 20 ms pump and the forms' timers) until `done` holds or the time is up.
// The default bound only ends a wait for what does not come: a loaded machine (sanitizers, other
// builds) may take several seconds for what takes milliseconds alone.
bool PumpUntil(const std::function<bool()>& done, int timeoutMillis = 30000);

// The text a status bar shows: its first panel's when it has panels, else its simple text. Given
// a form, that of the one status bar on it.
std::string PanelText(const QWidget* widget);

// As the user picks an item or types a text: the change events follow.
void Pick(TComboBox* combo, int index);
void Type(TEdit* edit, const std::string& text);

// A gtest fixture owning a SimulatedDeviceSession with the bundled data.
class FormTest : public ::testing::Test {
  protected:
    void SetUp() override { Device = std::make_unique<SimulatedDeviceSession>(Options()); }
    void TearDown() override { Device.reset(); }
    virtual DevSimOptions Options() { return {}; }
    // A simulated device started with these extra command-line arguments.
    static DevSimOptions DeviceArgs(std::vector<std::string> args) {
        DevSimOptions options;
        options.extraArgs = std::move(args);
        return options;
    }

    // The bindings of the PDUs of this type the device received, in order: "OID" ("OID=value" for
    // SETs), OIDs under `cut` shortened to what follows it.
    std::vector<std::string> Sent(const std::string& pduType, const std::string& cut = {}) const;
    std::vector<std::string> Sets() const { return Sent("SET"); }
    // The SET PDUs received, each as its bindings "OID=value".
    std::vector<std::vector<std::string>> SetPdus(const std::string& cut = {}) const;
    // Every message box as "Caption: Text", and the last one ("" when none).
    std::vector<std::string> Boxes() const;
    std::string Box() const;
    // What a manager would read now, e.g. "value integer 2".
    std::string DeviceValue(const std::string& oid) const;
    // Forgets what the device received and the boxes shown so far.
    void ClearSeen();
    // Clears what was seen, then clicks: what follows is the click's alone.
    void Apply(QPushButton* button);

    std::unique_ptr<SimulatedDeviceSession> Device;
};

// A form test whose form (of type Form) goes before the device does.
template <class Form, class Base = FormTest> class FormTestOf : public Base {
  protected:
    void TearDown() override {
        form.reset();
        Base::TearDown();
    }
    std::string Status() const { return PanelText(form.get()); }
    // The form shown and active; once `settled` holds (when given), what its opening sent is forgotten.
    void OpenForm(const std::function<bool()>& settled = {}) {
        form = std::make_unique<Form>();
        ASSERT_TRUE(ShowActive(*form));
        if (settled) {
            ASSERT_TRUE(settled());
        }
        this->Device->Sim().ClearLog();
    }

    std::unique_ptr<Form> form;
};
