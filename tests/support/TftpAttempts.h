#pragma once
// Real TFTP clients aimed at a form's server on 127.0.0.1, from the device's address or from a
// foreign one, run while the event loop keeps the form's server going; and the simulated device
// held in the middle of its transfer while they run. What the form did not ask the device for must
// be refused: curl reports the access violation, atftp fails, and no file is read or changed.
#include "tests/support/DevSim.h"
#include "tests/support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

constexpr char kDeviceHost[] = "127.0.0.1"; // where the simulated device and its clients are
constexpr char kForeignHost[] = "127.0.0.2";
constexpr int kCurlAccessViolation = 69; // curl's exit for the server's ERROR 2

struct TftpAttempt {
    std::string Client; // "curl" from From, or "atftp" (always from 127.0.0.1: it cannot choose)
    std::string From;
    bool Write; // a write request: the client stores a file
    std::string Name;
};

inline bool TftpClientsInstalled() {
    return !QStandardPaths::findExecutable("curl").isEmpty() &&
           !QStandardPaths::findExecutable("atftp").isEmpty();
}

// Each name read and written by curl from the device's address and from the foreign one, and by atftp.
inline std::vector<TftpAttempt> EveryClientAndHost(const std::vector<std::string>& reads,
                                                   const std::vector<std::string>& writes) {
    std::vector<TftpAttempt> out;
    for (bool write : {false, true})
        for (const std::string& name : write ? writes : reads)
            for (const TftpAttempt& a : {TftpAttempt{"curl", kDeviceHost, write, name},
                                         TftpAttempt{"curl", kForeignHost, write, name},
                                         TftpAttempt{"atftp", kDeviceHost, write, name}})
                out.push_back(a);
    return out;
}

// The client's exit status, -1 when it did not end in time. The loop runs meanwhile.
inline int RunTftpAttempt(const TftpAttempt& a, int port, const TempDir& scratch) {
    const QString upload = QString::fromStdString(scratch.Write("upload", "planted by " + a.From + "\n"));
    const QString download = QString::fromStdString(scratch.File("download"));
    const QString name = QString::fromStdString(a.Name);
    QStringList args;
    if (a.Client == "curl") {
        const QString url = "tftp://127.0.0.1:" + QString::number(port) + "/" +
                            QString::fromLatin1(QUrl::toPercentEncoding(name));
        args << "-s"
             << "--max-time"
             << "20"
             << "--interface" << QString::fromStdString(a.From);
        args << (a.Write ? "-T" : "-o") << (a.Write ? upload : download) << url;
    } else {
        args << (a.Write ? "--put" : "--get") << "-r" << name << "-l" << (a.Write ? upload : download)
             << "127.0.0.1" << QString::number(port);
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    process.start(QString::fromStdString(a.Client), args);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The regular files of a folder with their contents.
inline std::map<std::string, std::string> FolderFiles(const std::string& folder) {
    std::map<std::string, std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        out[entry.path().filename().string()] = text.str();
    }
    return out;
}

// Runs every attempt against the server on `port`; each must be refused, and `folders` must hold
// the same files afterwards, byte for byte.
inline void ExpectAllRefused(const std::vector<TftpAttempt>& attempts, int port,
                             const std::vector<std::string>& folders) {
    std::vector<std::map<std::string, std::string>> before;
    for (const std::string& folder : folders)
        before.push_back(FolderFiles(folder));
    TempDir scratch;
    for (const TftpAttempt& a : attempts) {
        SCOPED_TRACE(a.Client + " from " + a.From + (a.Write ? " writes " : " reads ") + a.Name);
        const int exit = RunTftpAttempt(a, port, scratch);
        if (a.Client == "curl")
            EXPECT_EQ(exit, kCurlAccessViolation);
        else
            EXPECT_GT(exit, 0);
        EXPECT_NE(FolderFiles(scratch.Path())["download"], "secret");
    }
    for (size_t i = 0; i < folders.size(); ++i)
        EXPECT_EQ(FolderFiles(folders[i]), before[i]) << folders[i];
}

// The process's current folder for the life of the object: a folder of its own holding one file.
class CurrentFolder {
  public:
    CurrentFolder() : Was_(std::filesystem::current_path()) {
        Here_.Write("here.txt", "secret");
        std::filesystem::current_path(Here_.Path());
    }
    ~CurrentFolder() { std::filesystem::current_path(Was_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    const std::string& Path() const { return Here_.Path(); }

  private:
    TempDir Here_;
    std::filesystem::path Was_;
};

// Runs `start` (which may run a modal wait) with the device's file transfers held; once the device
// holds the transfer that `start` asked for, `during` runs, then the transfer goes ahead. False when
// no transfer was held.
inline bool WithTransferHeld(DevSim& sim, const std::function<void()>& start,
                             const std::function<void()>& during) {
    sim.Command("hold");
    bool released = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (released || sim.Command("held") != "value 1\n")
            return;
        poll.stop();
        during();
        released = true;
        sim.Command("release");
    });
    poll.start();
    start();
    QElapsedTimer clock;
    clock.start();
    while (!released && clock.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ::usleep(1000);
    }
    poll.stop();
    if (!released)
        sim.Command("release");
    return released;
}
