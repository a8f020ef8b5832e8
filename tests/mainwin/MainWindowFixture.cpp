#include "tests/mainwin/MainWindowFixture.h"

#include "platform/NamedMutex.h"
#include "platform/ParamStr.h"

#include <QCoreApplication>
#include <cstdlib>

void MainWindowOnDevice::SetUp() {
    // The session keeps its boot counter in the working folder, the locks live there too.
    previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
    // A scratch account without a home: its locks live in the scratch folder.
    const LockAccount account{"", dir.Path()};
    SetLockAccount(&account);
    setenv("KTX_REGISTRY_FILE", dir.File("registry.ini").c_str(), 1);
    dir.Write("registry.ini", "[SOFTWARE\\Quenvar\\Orbisk5.1\\MibFile]\nPath=" + dir.Path() + "/\n");
    sim = std::make_unique<DevSim>(Options());
    WriteCfg("127.0.0.1");
}

void MainWindowOnDevice::TearDown() {
    form.reset();
    sim.reset();
    std::filesystem::current_path(previous);
    unsetenv("KTX_REGISTRY_FILE");
    SetLockAccount(nullptr);
    QCoreApplication::processEvents();
}

void MainWindowOnDevice::WriteCfg(const std::string& address, const std::string& lines) {
    dir.Write(address + ".cfg",
              "[Program Information]\nAgentPort=" + std::to_string(sim->Port()) + "\n" + lines);
}

void MainWindowOnDevice::Start(std::vector<std::string> parameters) {
    parameters.insert(parameters.begin(), "ktx7593ap");
    SetCommandLine(parameters);
    form = std::make_unique<TMainForm>();
    form->FormCreate(form.get());
    form->show();
}

void MainWindowOnDevice::StartReady() {
    Start();
    ASSERT_TRUE(PumpUntil([this] { return form->Panel0Text() == TMainForm::kReadyText; }, 4000))
        << form->Panel0Text();
}

std::vector<DevSimLogLine> MainWindowOnDevice::Received(const std::string& pdu) const {
    std::vector<DevSimLogLine> lines;
    for (const DevSimLogLine& line : sim->Log())
        if (line.pdu == pdu)
            lines.push_back(line);
    return lines;
}
