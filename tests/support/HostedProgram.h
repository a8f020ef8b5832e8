#pragma once
// The real program started the way the host starts it: from a scratch folder holding the host's
// layout (host/bin, host/Conf/MBF, run/ as working folder) and a registry pointing at it, without a
// display, its messages written to messages.log in the folder.
#include "tests/support/TempDir.h"

#include <chrono>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

class HostedProgram {
  public:
    // The program's lock follows a scratch account whose home is account/ in the folder, and so
    // do the locks of this process until the end, so a test finds them where the program puts them.
    HostedProgram();
    ~HostedProgram();
    HostedProgram(const HostedProgram&) = delete;
    HostedProgram& operator=(const HostedProgram&) = delete;

    // Starts build/bin's ktx7593ap with the parameters and the extra environment variables.
    pid_t Start(const std::vector<std::string>& parameters,
                const std::vector<std::pair<std::string, std::string>>& extraEnv = {});
    // The exit status (128 + signal when killed), or -1 when the program still runs after the time.
    int WaitExit(pid_t pid, std::chrono::milliseconds limit);
    // Kills every started program that has not been waited for.
    void Kill();

    const TempDir& Dir() const { return Dir_; }
    // Writes the host's configuration file of a device.
    void WriteCfg(const std::string& address, const std::string& text) const;
    // The whole file, empty when it is missing.
    static std::string ReadFile(const std::string& path);

  private:
    TempDir Dir_;
    std::vector<pid_t> Running_;
};
