#pragma once
// A real FTP server (python3-pyftpdlib) with one user on one local address (loopback unless told),
// for tests of the FTP login.
// Its debug log, which records every command, lies in the served folder as "server.log".
#include "tests/support/FreePort.h"
#include "tests/support/TempDir.h"

#include <arpa/inet.h>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class TestFtpServer {
  public:
    TestFtpServer(const std::string& user, const std::string& password,
                  const std::string& address = "127.0.0.1")
        : Address_(address), Port_(FreeTcpPort()) {
        const std::string portText = std::to_string(Port_);
        const std::string log = Dir_.File("server.log");
        Pid_ = fork();
        if (Pid_ == 0) {
            const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            dup2(fd, 1);
            dup2(fd, 2);
            setenv("PYTHONUNBUFFERED", "1", 1);
            execl("/usr/bin/python3", "python3", "-m", "pyftpdlib", "-D", "-i", Address_.c_str(), "-p",
                  portText.c_str(), "-u", user.c_str(), "-P", password.c_str(), "-d", Dir_.Path().c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int i = 0; i < 100 && !Accepts(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~TestFtpServer() {
        if (Pid_ > 0) {
            kill(Pid_, SIGTERM);
            waitpid(Pid_, nullptr, 0);
        }
    }
    TestFtpServer(const TestFtpServer&) = delete;
    TestFtpServer& operator=(const TestFtpServer&) = delete;

    const std::string& Address() const { return Address_; }
    int Port() const { return Port_; }
    std::string LogFile() const { return Dir_.File("server.log"); }
    // Puts a file where the server serves it.
    void Put(const std::string& name, const std::string& contents) { Dir_.Write(name, contents); }
    bool Accepts() const {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(Port_));
        inet_pton(AF_INET, Address_.c_str(), &a.sin_addr);
        const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        close(fd);
        return ok;
    }

  private:
    TempDir Dir_;
    std::string Address_;
    int Port_;
    pid_t Pid_ = -1;
};
