#include "tests/support/FormTestFixture.h"

#include "library/snmp/NxSNMPSession.h"
#include "platform/Clock.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// One session for the whole process, as in the program; its boot counter lives in a private folder.
void EnsureGlobalSession() {
    if (GlobalSnmpSession)
        return;
    // Lives to the end of the process with the session, then goes with the other statics.
    static TempDir counterFolder;
    OpenGlobalSession(counterFolder.Path());
}

} // namespace

SimulatedDeviceSession::SimulatedDeviceSession(const DevSimOptions& options)
    : Sim_(std::make_unique<DevSim>(options)) {
    EnsureGlobalSession();
    UseDevice();
}

SimulatedDeviceSession::~SimulatedDeviceSession() = default;

void SimulatedDeviceSession::UseDevice() {
    DefaultSNMPDevice.Address = Sim_->Address();
    DefaultSNMPDevice.Port = static_cast<uint16_t>(Sim_->Port());
    DefaultSNMPSecurity.Version = 1;
    DefaultSNMPSecurity.ReadCommunity = "public";
    DefaultSNMPSecurity.WriteCommunity = "private";
}

std::vector<DevSimLogLine> SimulatedDeviceSession::Received(const std::string& pduType) const {
    std::vector<DevSimLogLine> out;
    for (const auto& line : Sim_->Log())
        if (line.pdu == pduType)
            out.push_back(line);
    return out;
}

std::map<std::string, std::string> SimulatedDeviceSession::Values(const std::string& prefix) {
    std::map<std::string, std::string> values;
    const std::filesystem::path data =
        std::filesystem::path(std::getenv("KTX_SOURCE_DIR")) / "tools/devsim/data";
    for (const auto& file : std::filesystem::directory_iterator(data)) {
        std::ifstream in(file.path());
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            std::string oid, type, access;
            if (fields >> oid >> type >> access && access == "rw" && oid.rfind(prefix, 0) == 0)
                try {
                    values[oid] = Sim_->Command("get " + oid);
                } catch (const std::runtime_error&) {
                    // a group the device leaves out
                }
        }
    }
    return values;
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMillis) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMillis)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        Sleep(2);
    }
    return true;
}

std::string PanelText(const QWidget* widget) {
    const auto* bar = qobject_cast<const TStatusBar*>(widget);
    if (bar == nullptr) {
        const auto bars = widget->findChildren<TStatusBar*>();
        if (bars.size() != 1) {
            ADD_FAILURE() << bars.size() << " status bars on " << widget->objectName().toStdString();
            return {};
        }
        bar = bars.front();
    }
    return bar->PanelCount() > 0 ? bar->Panel(0)->Text() : bar->SimpleText();
}

void Pick(TComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Type(TEdit* edit, const std::string& text) {
    edit->SetText(text);
    emit edit->textEdited(QString::fromStdString(text));
}

std::vector<std::string> FormTest::Sent(const std::string& pduType, const std::string& cut) const {
    std::vector<std::string> out;
    for (const auto& line : Device->Received(pduType))
        out.push_back((line.oid.rfind(cut, 0) == 0 ? line.oid.substr(cut.size()) : line.oid) +
                      (pduType == "SET" ? "=" + line.value : ""));
    return out;
}

std::vector<std::vector<std::string>> FormTest::SetPdus(const std::string& cut) const {
    std::vector<std::vector<std::string>> out;
    int last = -1;
    for (const auto& line : Device->Received("SET")) {
        if (out.empty() || line.pduNumber != last)
            out.emplace_back();
        last = line.pduNumber;
        out.back().push_back((line.oid.rfind(cut, 0) == 0 ? line.oid.substr(cut.size()) : line.oid) + "=" +
                             line.value);
    }
    return out;
}

std::vector<std::string> FormTest::Boxes() const {
    std::vector<std::string> out;
    for (const auto& box : Device->Messages().Boxes)
        out.push_back(box.Caption + ": " + box.Text);
    return out;
}

std::string FormTest::Box() const {
    const auto boxes = Boxes();
    return boxes.empty() ? "" : boxes.back();
}

std::string FormTest::DeviceValue(const std::string& oid) const {
    std::string line = Device->Sim().Command("get " + oid);
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    return line;
}

void FormTest::ClearSeen() {
    Device->Sim().ClearLog();
    Device->Messages().Boxes.clear();
}

void FormTest::Apply(QPushButton* button) {
    ClearSeen();
    button->click();
}
