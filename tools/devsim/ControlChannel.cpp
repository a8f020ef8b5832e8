#include "tools/devsim/ControlChannel.h"

#include "tools/devsim/CurlTransfer.h"
#include "tools/devsim/Device.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace devsim {
namespace {

std::string NextWord(const std::string& s, size_t& pos) {
    size_t b = s.find_first_not_of(" \t\r", pos);
    if (b == std::string::npos) {
        pos = s.size();
        return {};
    }
    size_t e = s.find_first_of(" \t\r", b);
    if (e == std::string::npos)
        e = s.size();
    pos = e;
    return s.substr(b, e - b);
}

Oid RequireOid(const std::string& text) {
    auto oid = ParseOid(text);
    if (!oid)
        throw std::invalid_argument("not an OID: " + text);
    return *oid;
}

double RequireNumber(const std::string& text) {
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != 0 || v < 0)
        throw std::invalid_argument("not a number: " + text);
    return v;
}

} // namespace

bool ControlChannel::ReadAvailable(int fd) {
    char chunk[4096];
    ssize_t n = read(fd, chunk, sizeof chunk);
    if (n <= 0)
        return false;
    buffer_.append(chunk, static_cast<size_t>(n));
    size_t nl;
    while ((nl = buffer_.find('\n')) != std::string::npos) {
        std::string line = buffer_.substr(0, nl);
        buffer_.erase(0, nl + 1);
        std::string reply = Execute(line);
        std::fputs(reply.c_str(), stdout);
        std::fflush(stdout);
    }
    return true;
}

std::string ControlChannel::Execute(const std::string& line) {
    size_t pos = 0;
    std::string command = NextWord(line, pos);
    std::string out;
    try {
        ObjectStore& store = device_.Store();
        if (command.empty()) {
            // An empty line is a harmless ping.
        } else if (command == "set" || command == "get") {
            Oid oid = RequireOid(NextWord(line, pos));
            Object* object = store.Find(oid);
            if (!object)
                throw std::invalid_argument("no such object: " + FormatOid(oid));
            if (command == "set") {
                object->value = ParseValue(object->value.type, UnquoteValue(line.substr(pos)));
            } else {
                Value v = device_.ReadValue(*object);
                out += std::string("value ") + ValueTypeName(v.type) + " " + FormatValue(v) + "\n";
            }
        } else if (command == "fail") {
            Oid oid = RequireOid(NextWord(line, pos));
            std::string status = NextWord(line, pos);
            int code = ParseErrorStatus(status);
            if (code <= 0)
                throw std::invalid_argument("unknown error status: " + status);
            store.Fail(oid, code);
        } else if (command == "unfail") {
            store.Unfail(RequireOid(NextWord(line, pos)));
        } else if (command == "refuse") {
            Oid oid = RequireOid(NextWord(line, pos));
            const auto value = static_cast<int64_t>(RequireNumber(NextWord(line, pos)));
            std::string status = NextWord(line, pos);
            int code = ParseErrorStatus(status);
            if (code <= 0)
                throw std::invalid_argument("unknown error status: " + status);
            store.RefuseValue(oid, value, code);
        } else if (command == "unrefuse") {
            store.Unrefuse(RequireOid(NextWord(line, pos)));
        } else if (command == "drop") {
            device_.Gate().DropReplies(static_cast<int>(RequireNumber(NextWord(line, pos))));
        } else if (command == "silent") {
            device_.Gate().SilenceFor(RequireNumber(NextWord(line, pos)));
        } else if (command == "delay") {
            device_.Gate().SetDelay(static_cast<int>(RequireNumber(NextWord(line, pos))));
        } else if (command == "hold") {
            HoldTransfers();
        } else if (command == "release") {
            out += "value " + std::to_string(ReleaseTransfers()) + "\n";
        } else if (command == "held") {
            out += "value " + std::to_string(HeldTransfers()) + "\n";
        } else if (command == "omit") {
            store.Omit(RequireOid(NextWord(line, pos)));
        } else if (command == "restore") {
            store.Restore(RequireOid(NextWord(line, pos)));
        } else if (command == "restart") {
            device_.Restart();
            device_.Gate().PacketDone();
        } else if (command == "clearlog") {
            device_.Log().Clear();
        } else if (command == "quit") {
            quit_ = true;
        } else {
            throw std::invalid_argument("unknown command: " + command);
        }
    } catch (const std::exception& e) {
        return out + "error " + e.what() + "\n";
    }
    return out + "ok\n";
}

} // namespace devsim
