#pragma once
// Shared fixture: a server on a free loopback port over a temporary root, a recorder of its status
// reports, a raw UDP peer, and child-process clients run while the event loop keeps serving.
#include "library/tftp/NxTFTPServer.h"
#include "tests/support/FreePort.h"
#include "tests/support/UdpPeer.h"

#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <string>
#include <vector>

void PumpFor(int milliseconds);
bool PumpUntil(const std::function<bool()>& done, int milliseconds);
Bytes RandomBytes(size_t size, unsigned seed);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& data);
std::string ToString(const Bytes& bytes);

// Builders of the datagrams a peer sends.
Bytes RequestPacket(int opcode, const std::string& name, const std::string& mode = "octet");
Bytes AckPacket(int block);
Bytes DataPacket(int block, const std::string& data);
Bytes ErrorPacket(int code);
bool IsData(const Bytes& packet, int block);
bool IsAck(const Bytes& packet, int block);

struct ClientResult {
    bool Finished = false;
    int ExitCode = -1;
    qint64 ElapsedMs = 0;
};
ClientResult RunClient(const QString& program, const QStringList& arguments, int timeoutMs = 20000);

class TFTPServerTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the server with `timeout` in 10 ms units; records every report.
    void StartServer(int timeout = 1000, int retries = 3);
    std::string RootPath(const std::string& name) const { return m_root + "/" + name; }
    std::string TempPath(const std::string& name) const {
        return m_tempDir.path().toStdString() + "/" + name;
    }
    std::vector<int> Statuses() const;
    int CountStatus(int code) const;
    // Waits until a session has reported its destruction (status 0) `count` times.
    bool WaitForSessionsEnded(int count, int timeoutMs = 5000);

    QTemporaryDir m_tempDir;
    std::string m_root;
    int m_port = 0;
    std::unique_ptr<NxTFTPServer> m_server;
    std::vector<NxTFTPMsg> m_reports;
    std::function<void(NxTFTPMsg*, bool*)> m_extraHandler;
};
