// ktx-devsim: the simulated access point, a real SNMP agent for tests and demos.

#include "tools/devsim/Agent.h"
#include "tools/devsim/ControlChannel.h"
#include "tools/devsim/CurlTransfer.h"
#include "tools/devsim/DataFile.h"
#include "tools/devsim/Device.h"
#include "tools/devsim/DeviceAddress.h"
#include "tools/devsim/Options.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#ifndef KTX_DEVSIM_SOURCE_DATA
#define KTX_DEVSIM_SOURCE_DATA ""
#endif

namespace {

volatile std::sig_atomic_t gStop = 0;

void OnSignal(int) {
    gStop = 1;
}

std::string ExecutableFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

// The bundled data folder lies beside the executable (copied there by the build), else in the sources.
std::string DefaultDataFile() {
    std::string beside = ExecutableFolder() + "/devsim";
    if (!ExecutableFolder().empty() && std::filesystem::exists(beside))
        return beside;
    return KTX_DEVSIM_SOURCE_DATA;
}

} // namespace

int main(int argc, char** argv) {
    devsim::Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--help") {
            std::fputs(devsim::UsageText(), stdout);
            return 0;
        }
    }
    try {
        options = devsim::ParseOptions(argc, argv);
    } catch (const devsim::UsageError& e) {
        std::fprintf(stderr, "ktx-devsim: %s\n%s", e.what(), devsim::UsageText());
        return 2;
    }
    const bool bundledData = options.dataFile.empty();
    if (bundledData)
        options.dataFile = DefaultDataFile();

    devsim::Device device(options);
    try {
        device.Store().Load(devsim::ReadDataPath(options.dataFile));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ktx-devsim: %s\n", e.what());
        return 2;
    }
    // A data file of the caller's keeps its addresses unless the option says otherwise.
    if (!options.deviceAddress.empty())
        devsim::SetDeviceAddress(device.Store(), options.deviceAddress, options.deviceMask);
    else if (bundledData)
        devsim::SetDeviceAddress(device.Store(), options.listenAddress,
                                 devsim::NetworkMaskOf(options.listenAddress));
    for (const auto& prefix : options.omitted)
        device.Store().Omit(prefix);
    for (const auto& f : options.failures)
        device.Store().Fail(f.oid, f.status);
    devsim::InstallDeviceHooks(device);
    devsim::SetTransferSource(options.listenAddress);
    if (!device.Log().Open(options.logFile)) {
        std::fprintf(stderr, "ktx-devsim: cannot write log %s\n", options.logFile.c_str());
        return 2;
    }

    // Without a state folder the library's files go to a private one that is removed at the end.
    std::string tempDir;
    std::string stateDir = options.stateDir;
    if (stateDir.empty()) {
        char pattern[] = "/tmp/ktx-devsim.XXXXXX";
        if (!mkdtemp(pattern)) {
            std::perror("ktx-devsim: mkdtemp");
            return 2;
        }
        tempDir = stateDir = pattern;
    }
    char real[PATH_MAX];
    if (!realpath(stateDir.c_str(), real)) {
        std::fprintf(stderr, "ktx-devsim: state folder %s does not exist\n", stateDir.c_str());
        return 2;
    }

    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);

    int status = 0;
    {
        devsim::Agent agent(device);
        std::string error;
        if (!agent.Start(real, error)) {
            std::fprintf(stderr, "ktx-devsim: %s\n", error.c_str());
            status = 1;
        } else {
            devsim::ControlChannel control(device);
            bool inputOpen = options.control;
            std::printf("ready\n");
            std::fflush(stdout);
            agent.Run(
                options.control ? STDIN_FILENO : -1,
                [&] {
                    if (!control.ReadAvailable(STDIN_FILENO))
                        inputOpen = false;
                },
                [&] { return gStop || control.QuitRequested() || (options.control && !inputOpen); });
        }
    }
    if (!tempDir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(tempDir, ec);
    }
    return status;
}
