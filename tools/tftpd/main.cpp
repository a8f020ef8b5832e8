// ktx-tftpd --root DIR --port N [--bind ADDRESS] [--timeout UNITS] [--retries N]
// Runs the TFTP server on DIR and prints each status report as one line; SIGINT or SIGTERM stops it.
#include "library/tftp/FileSizeLimit.h"
#include "library/tftp/NxTFTPServer.h"
#include "library/tftp/TFTPStatus.h"
#include "platform/Convert.h"
#include "platform/Exception.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    char c = 1;
    ssize_t ignored = ::write(g_signalPipe[1], &c, 1);
    (void)ignored;
}

// A peer's text as one printable field: quotes, backslashes, blanks, control and non-ASCII octets
// as \xHH, so a name can neither end the line nor forge another field or report.
std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c > 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

void PrintRecord(const NxTFTPMsg& m) {
    std::printf("status=%d text=\"%s\" request=%d mode=%s peer=%s:%d local=%s port=%d file=\"%s\" bytes=%d "
                "last=%d session=%d timeout=%d sends=%d\n",
                m.Status, m.StatusText.c_str(), m.RequestMode, Escaped(m.TransferMode).c_str(),
                m.PeerAddress.c_str(), m.PeerPort, m.LocalAddress.c_str(), m.ServerPort,
                Escaped(m.FileName).c_str(), m.BytesTransferred, m.LastBlockLength, m.SessionNumber,
                m.Timeout, m.SendCount);
    // Progress lines wait in the buffer for the session's next other report (every session ends
    // with one): a write per block would cost the transfer about as much as the block's own send.
    if (m.Status != TFTP_TRANSFERRING)
        std::fflush(stdout);
}

int Usage() {
    std::fprintf(stderr, "usage: ktx-tftpd --root DIR --port N [--bind ADDRESS] [--timeout UNITS] "
                         "[--retries N]\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::string root, bind = "127.0.0.1";
    int port = -1, timeout = 1000, retries = 3;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc)
            return Usage();
        std::string value = argv[++i];
        int32_t number = 0;
        if (arg == "--root")
            root = value;
        else if (arg == "--bind")
            bind = value;
        else if (arg == "--port" && TryStrToInt(value, number))
            port = number;
        else if (arg == "--timeout" && TryStrToInt(value, number))
            timeout = number;
        else if (arg == "--retries" && TryStrToInt(value, number))
            retries = number;
        else
            return Usage();
    }
    if (root.empty() || port < 0)
        return Usage();

    if (::pipe(g_signalPipe) != 0)
        return 1;
    IgnoreFileSizeSignal();
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    QSocketNotifier stopNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, &app, [&] { app.quit(); });

    NxTFTPServer server(nullptr);
    server.SetBindAddress(bind);
    server.SetTimeout(timeout, retries);
    server.SetOnStatus([](NxTFTPMsg* msg, bool*) { PrintRecord(*msg); });
    try {
        server.Start(root, port);
    } catch (const Exception& e) {
        std::fprintf(stderr, "ktx-tftpd: %s\n", e.Message.c_str());
        return 1;
    }
    std::printf("listening on %s:%d root %s\n", bind.c_str(), port, server.Root().c_str());
    std::fflush(stdout);
    int rc = app.exec();
    server.Stop();
    return rc;
}
