// Fuzz target: a request datagram goes through the request parser and, when it is a read or write
// request, starts a session that then gets a run of arbitrary datagrams, resends, cancels and a
// time-out, all without the event loop. Input layout (lengths are big-endian 16-bit words):
//   request length, request octets, then records of { control octet, length, datagram octets }.
// Control bits: 1 another port, 2 another address, 4 cancel from the status handler, 8 resend after,
// 16 time out after (ends the run).
#include "library/tftp/NxTFTPMsg.h"
#include "library/tftp/TFTPPacket.h"
#include "library/tftp/TFTPSession.h"
#include "library/tftp/TFTPStatus.h"

#include <QCoreApplication>
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
struct Fixture {
    const char* Name;
    size_t Size;
};
const Fixture kFixtures[] = {{"empty", 0}, {"short", 511}, {"block", 512}, {"long", 1500}, {"big", 4200}};

std::string g_sandbox; // holds only the root folder; anything else in it escaped the root
std::string g_root;    // with the trailing separator, as the server passes it
sockaddr_in g_peer{};
int g_peerFd = -1;
bool g_cancel = false;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "tftp fuzz: %s\n", what.c_str());
    std::abort();
}

void WriteFixture(const Fixture& f) {
    std::string content(f.Size, '\0');
    for (size_t i = 0; i < f.Size; ++i)
        content[i] = static_cast<char>('a' + i % 26);
    int fd = ::open((g_root + f.Name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
        Fail("cannot write fixture");
    ::close(fd);
}

std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* entry = ::readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.insert(name);
        }
        ::closedir(dir);
    }
    return names;
}

// Size of a regular file, -1 for anything else.
long FileSize(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? static_cast<long>(info.st_size) : -1;
}

const Fixture* FixtureNamed(const std::string& name) {
    for (const Fixture& f : kFixtures)
        if (name == f.Name)
            return &f;
    return nullptr;
}

// A write session replaces the named file only when it succeeds and leaves nothing else behind:
// check that, then put the root back.
void AfterWrite(const std::string& name, const NxTFTPMsg& last) {
    if (Entries(g_sandbox) != std::set<std::string>{"root"})
        Fail("a file appeared outside the root");
    const Fixture* fixture = FixtureNamed(name);
    const bool succeeded = last.Status == TFTP_SUCCESS;
    std::set<std::string> expected;
    for (const Fixture& f : kFixtures)
        expected.insert(f.Name);
    if (succeeded && tftp::IsPlainFileName(name))
        expected.insert(name);
    if (Entries(g_root) != expected)
        Fail("the root holds other files than the fixtures and the written one");
    const std::string path = g_root + name;
    if (succeeded && FileSize(path) != last.BytesTransferred)
        Fail("written file size differs from the reported byte count");
    if (!succeeded && fixture && FileSize(path) != static_cast<long>(fixture->Size))
        Fail("a failed write changed the old file");
    if (fixture)
        WriteFixture(*fixture);
    else if (succeeded)
        ::unlink(path.c_str());
}

void RemoveSandbox() {
    for (const std::string& name : Entries(g_root))
        ::unlink((g_root + name).c_str());
    ::rmdir(g_root.c_str());
    ::rmdir(g_sandbox.c_str());
}

size_t TakeWord(const uint8_t*& data, size_t& size) {
    if (size < 2) {
        size = 0;
        return 0;
    }
    size_t word = (static_cast<size_t>(data[0]) << 8) | data[1];
    data += 2;
    size -= 2;
    return word;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "tftp_fuzz";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv); // sessions' socket notifiers need the application object

    char sandbox[] = "/tmp/ktx-tftp-fuzz.XXXXXX";
    if (!::mkdtemp(sandbox))
        Fail("cannot create the sandbox");
    g_sandbox = sandbox;
    g_root = g_sandbox + "/root/";
    if (::mkdir(g_root.c_str(), 0755) != 0)
        Fail("cannot create the root");
    for (const Fixture& f : kFixtures)
        WriteFixture(f);
    std::atexit(RemoveSandbox);

    // The peer: a bound socket that nobody reads, so the session's sends go somewhere real.
    g_peerFd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    g_peer.sin_family = AF_INET;
    g_peer.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof g_peer;
    if (g_peerFd < 0 || ::bind(g_peerFd, reinterpret_cast<sockaddr*>(&g_peer), sizeof g_peer) != 0 ||
        ::getsockname(g_peerFd, reinterpret_cast<sockaddr*>(&g_peer), &length) != 0)
        Fail("cannot open the peer socket");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t requestLength = TakeWord(data, size);
    if (requestLength > size)
        requestLength = size;
    tftp::Request request;
    if (!tftp::ParseRequest(data, requestLength, request))
        return 0;
    data += requestLength;
    size -= requestLength;
    if (request.Opcode != tftp::OP_RRQ && request.Opcode != tftp::OP_WRQ)
        return 0;

    NxTFTPMsg msg;
    msg.RequestMode = request.Opcode;
    msg.FileName = request.FileName;
    msg.TransferMode = request.TransferMode;
    msg.PeerAddress = "127.0.0.1";
    msg.PeerPort = ntohs(g_peer.sin_port);
    NxTFTPMsg last;
    g_cancel = false;
    auto onStatus = [&last](NxTFTPMsg* m, bool* cancel) {
        if (m->Status != TFTP_DISCONNECTED) // the report of how the transfer ended stays
            last = *m;
        if (g_cancel)
            *cancel = true;
    };
    {
        _TFTPSession session(nullptr, msg, onStatus, g_root, g_peer, "127.0.0.1");
        session.Begin();
        while (size >= 3 && session.State() == _TFTPSession::Running) {
            const uint8_t control = *data++;
            --size;
            size_t length = TakeWord(data, size);
            if (length > size)
                length = size;
            // The datagram is copied so that a read past its end hits the sanitizer's red zone.
            std::vector<uint8_t> datagram(data, data + length);
            data += length;
            size -= length;
            sockaddr_in from = g_peer;
            if (control & 1)
                from.sin_port = htons(static_cast<uint16_t>(ntohs(from.sin_port) + 1));
            if (control & 2)
                from.sin_addr.s_addr = htonl(INADDR_LOOPBACK + 1);
            g_cancel = (control & 4) != 0;
            session.HandleDatagram(datagram.data(), datagram.size(), from);
            if ((control & 8) && session.State() == _TFTPSession::Running && session.CanResend(3))
                session.Resend();
            if (control & 16) {
                if (session.State() == _TFTPSession::Running)
                    session.TimeOut();
                break;
            }
        }
    }
    if (request.Opcode == tftp::OP_WRQ)
        AfterWrite(request.FileName, last);
    return 0;
}
