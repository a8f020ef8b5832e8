#include "TFTPTestSupport.h"

#include "library/tftp/TFTPPacket.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <arpa/inet.h>
#include <fstream>
#include <poll.h>
#include <random>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>

void PumpFor(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ::usleep(500);
    }
    return true;
}

Bytes RandomBytes(size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(generator());
    return bytes;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFileBytes(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

std::string ToString(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

Bytes RequestPacket(int opcode, const std::string& name, const std::string& mode) {
    Bytes p = {0, static_cast<uint8_t>(opcode)};
    p.insert(p.end(), name.begin(), name.end());
    p.push_back(0);
    p.insert(p.end(), mode.begin(), mode.end());
    p.push_back(0);
    return p;
}

Bytes AckPacket(int block) {
    return {0, tftp::OP_ACK, static_cast<uint8_t>(block >> 8), static_cast<uint8_t>(block)};
}

Bytes DataPacket(int block, const std::string& data) {
    Bytes p = {0, tftp::OP_DATA, static_cast<uint8_t>(block >> 8), static_cast<uint8_t>(block)};
    p.insert(p.end(), data.begin(), data.end());
    return p;
}

Bytes ErrorPacket(int code) {
    return {0, tftp::OP_ERROR, 0, static_cast<uint8_t>(code), 0};
}

bool IsData(const Bytes& p, int block) {
    return p.size() >= 4 && p[1] == tftp::OP_DATA && tftp::Word(p.data(), 2) == block;
}

bool IsAck(const Bytes& p, int block) {
    return p.size() == 4 && p[1] == tftp::OP_ACK && tftp::Word(p.data(), 2) == block;
}

ClientResult RunClient(const QString& program, const QStringList& arguments, int timeoutMs) {
    ClientResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (process.state() != QProcess::NotRunning)
        loop.exec(); // the server's sockets and tick run in here
    result.ElapsedMs = clock.elapsed();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
        return result;
    }
    result.Finished =
        process.exitStatus() == QProcess::NormalExit && process.error() != QProcess::FailedToStart;
    result.ExitCode = process.exitCode();
    return result;
}

void TFTPServerTest::SetUp() {
    ASSERT_TRUE(m_tempDir.isValid());
    m_root = m_tempDir.path().toStdString() + "/root";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(m_root)));
}

void TFTPServerTest::TearDown() {
    m_server.reset();
}

void TFTPServerTest::StartServer(int timeout, int retries) {
    m_server = std::make_unique<NxTFTPServer>(nullptr);
    m_server->SetBindAddress("127.0.0.1");
    m_server->SetTimeout(timeout, retries);
    m_server->SetOnStatus([this](NxTFTPMsg* msg, bool* cancel) {
        m_reports.push_back(*msg);
        if (m_extraHandler)
            m_extraHandler(msg, cancel);
    });
    m_port = FreeUdpPort();
    m_server->Start(m_root, m_port);
}

std::vector<int> TFTPServerTest::Statuses() const {
    std::vector<int> codes;
    for (const auto& r : m_reports)
        codes.push_back(r.Status);
    return codes;
}

int TFTPServerTest::CountStatus(int code) const {
    int n = 0;
    for (const auto& r : m_reports)
        n += r.Status == code;
    return n;
}

bool TFTPServerTest::WaitForSessionsEnded(int count, int timeoutMs) {
    return PumpUntil([&] { return CountStatus(0) >= count; }, timeoutMs);
}
