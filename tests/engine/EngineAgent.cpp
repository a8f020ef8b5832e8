#include "tests/engine/EngineAgent.h"

#include <arpa/inet.h>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
std::string environment(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}
} // namespace

uint16_t EngineAgent::FreePort() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

EngineAgent::EngineAgent(const std::string& extra) {
    char pattern[] = "/tmp/ktx-engine-agent-XXXXXX";
    folder_ = mkdtemp(pattern);
    std::filesystem::create_directory(folder_ + "/state");
    // The simulator is built beside the tests.
    const std::string ownFolder = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
    const std::string binary = environment("KTX_BIN_DIR", ownFolder) + "/ktx-devsim";
    const std::string data =
        environment("KTX_SOURCE_DIR", KTX_ENGINE_SOURCE_DIR) + "/tests/engine/data/engine-agent.txt";

    for (int attempt = 0; attempt < 3 && pid_ < 0; ++attempt) {
        port_ = FreePort();
        std::vector<std::string> args = {binary,
                                         "--listen",
                                         "127.0.0.1:" + std::to_string(port_),
                                         "--data",
                                         data,
                                         "--state-dir",
                                         folder_ + "/state",
                                         "--log",
                                         folder_ + "/pdu.log",
                                         "--community-ro",
                                         "public",
                                         "--community-rw",
                                         "private",
                                         "--v3-user",
                                         "alice:MD5:alicepass1:DES:alicepriv1",
                                         "--v3-user",
                                         "bob:SHA:bobpass123:AES:bobpriv123",
                                         "--no-control"};
        std::istringstream words(extra);
        for (std::string word; words >> word;)
            args.push_back(word);
        int out[2];
        if (pipe(out) != 0)
            return;
        const int child = fork();
        if (child == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlives a crashed test
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv;
            for (auto& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        // The simulator prints "ready" once it listens.
        std::string seen;
        pollfd wait{out[0], POLLIN, 0};
        while (seen.find("ready\n") == std::string::npos && poll(&wait, 1, 5000) > 0) {
            char buffer[256];
            const ssize_t got = read(out[0], buffer, sizeof buffer);
            if (got <= 0)
                break;
            seen.append(buffer, static_cast<size_t>(got));
        }
        close(out[0]);
        if (seen.find("ready\n") != std::string::npos) {
            pid_ = child;
        } else {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
    }
}

EngineAgent::~EngineAgent() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string EngineAgent::Log() const {
    std::ifstream file(folder_ + "/pdu.log");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
