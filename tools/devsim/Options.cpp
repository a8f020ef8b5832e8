#include "tools/devsim/Options.h"

#include "tools/devsim/DeviceProfiles.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <strings.h>

namespace devsim {
namespace {

constexpr const char* kStatusNames[] = {
    "noError",
    "tooBig",
    "noSuchName",
    "badValue",
    "readOnly",
    "genErr",
    "noAccess",
    "wrongType",
    "wrongLength",
    "wrongEncoding",
    "wrongValue",
    "noCreation",
    "inconsistentValue",
    "resourceUnavailable",
    "commitFailed",
    "undoFailed",
    "authorizationError",
    "notWritable",
    "inconsistentName",
};

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    size_t pos = 0;
    while (true) {
        size_t e = s.find(sep, pos);
        parts.push_back(s.substr(pos, e == std::string::npos ? std::string::npos : e - pos));
        if (e == std::string::npos)
            return parts;
        pos = e + 1;
    }
}

Oid RequireOid(const std::string& text, const std::string& option) {
    auto oid = ParseOid(text);
    if (!oid)
        throw UsageError(option + ": not an OID: " + text);
    return *oid;
}

} // namespace

int ParseErrorStatus(const std::string& text) {
    for (int i = 0; i < static_cast<int>(std::size(kStatusNames)); ++i)
        if (strcasecmp(text.c_str(), kStatusNames[i]) == 0)
            return i;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (!text.empty() && *end == 0 && v >= 0 && v < static_cast<long>(std::size(kStatusNames)))
        return static_cast<int>(v);
    return -1;
}

V3User ParseV3User(const std::string& text) {
    auto p = Split(text, ':');
    if (p.size() != 5 || p[0].empty())
        throw UsageError("--v3-user wants NAME:AUTHPROTO:AUTHPASS:PRIVPROTO:PRIVPASS: " + text);
    V3User u{p[0], p[1], p[2], p[3], p[4]};
    auto upper = [](std::string& s) {
        for (auto& c : s)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    };
    upper(u.authProto);
    upper(u.privProto);
    if (u.authProto != "MD5" && u.authProto != "SHA" && u.authProto != "NONE")
        throw UsageError("--v3-user: authentication protocol must be MD5, SHA or none");
    if (u.privProto != "DES" && u.privProto != "AES" && u.privProto != "NONE")
        throw UsageError("--v3-user: privacy protocol must be DES, AES or none");
    if (u.authProto == "NONE" && u.privProto != "NONE")
        throw UsageError("--v3-user: privacy needs authentication");
    if ((u.authProto != "NONE" && u.authPass.size() < 8) || (u.privProto != "NONE" && u.privPass.size() < 8))
        throw UsageError("--v3-user: pass phrases have at least 8 characters");
    return u;
}

const char* UsageText() {
    return "usage: ktx-devsim [--listen 127.0.0.1:PORT] [--data FILE|DIR] [--state-dir DIR] [--log FILE]\n"
           "                  [--community-ro NAME] [--community-rw NAME]\n"
           "                  [--v3-user NAME:MD5|SHA|none:AUTHPASS:DES|AES|none:PRIVPASS]...\n"
           "                  [--restart-seconds N] [--omit OID]... [--without priority]...\n"
           "                  [--fail OID=STATUS]...\n"
           "                  [--device-log FILE] [--log-answer-first] [--tftp-port N]\n"
           "                  [--device-address ADDR/MASK]\n"
           "                  [--sntp-file FILE] [--sntp-upload after|before|none]\n"
           "                  [--no-control] [--verbose] [--help]\n";
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw UsageError(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--listen") {
            std::string v = value();
            size_t colon = v.rfind(':');
            if (colon == std::string::npos)
                throw UsageError("--listen wants ADDR:PORT");
            o.listenAddress = v.substr(0, colon);
            char* end = nullptr;
            long port = std::strtol(v.c_str() + colon + 1, &end, 10);
            if (*end != 0 || port < 0 || port > 65535 || colon + 1 == v.size())
                throw UsageError("--listen: bad port in " + v);
            o.listenPort = static_cast<int>(port);
            in_addr a{};
            if (inet_pton(AF_INET, o.listenAddress.c_str(), &a) != 1 || (ntohl(a.s_addr) >> 24) != 127)
                throw UsageError("--listen: only loopback addresses (127.x.x.x): " + o.listenAddress);
        } else if (arg == "--data") {
            o.dataFile = value();
        } else if (arg == "--state-dir") {
            o.stateDir = value();
        } else if (arg == "--log") {
            o.logFile = value();
        } else if (arg == "--community-ro") {
            o.communityRo = value();
        } else if (arg == "--community-rw") {
            o.communityRw = value();
        } else if (arg == "--v3-user") {
            o.users.push_back(ParseV3User(value()));
        } else if (arg == "--restart-seconds") {
            std::string v = value();
            char* end = nullptr;
            o.restartSeconds = std::strtod(v.c_str(), &end);
            if (v.empty() || *end != 0 || o.restartSeconds < 0)
                throw UsageError("--restart-seconds: bad number " + v);
        } else if (arg == "--omit") {
            o.omitted.push_back(RequireOid(value(), arg));
        } else if (arg == "--without") {
            const std::string name = value();
            const std::vector<Oid> groups = ProfileOmissions(name);
            if (groups.empty())
                throw UsageError("--without: unknown variant " + name);
            o.omitted.insert(o.omitted.end(), groups.begin(), groups.end());
        } else if (arg == "--fail") {
            std::string v = value();
            size_t eq = v.find('=');
            if (eq == std::string::npos)
                throw UsageError("--fail wants OID=STATUS");
            Failure f{RequireOid(v.substr(0, eq), arg), ParseErrorStatus(v.substr(eq + 1))};
            if (f.status <= 0)
                throw UsageError("--fail: unknown error status " + v.substr(eq + 1));
            o.failures.push_back(f);
        } else if (arg == "--device-log") {
            o.deviceLogFile = value();
        } else if (arg == "--log-answer-first") {
            o.logAnswerFirst = true;
        } else if (arg == "--tftp-port") {
            std::string v = value();
            char* end = nullptr;
            long port = std::strtol(v.c_str(), &end, 10);
            if (v.empty() || *end != 0 || port < 1 || port > 65535)
                throw UsageError("--tftp-port: bad port " + v);
            o.tftpPort = static_cast<int>(port);
        } else if (arg == "--sntp-file") {
            o.sntpFile = value();
        } else if (arg == "--sntp-upload") {
            o.sntpUpload = value();
            if (o.sntpUpload != "after" && o.sntpUpload != "before" && o.sntpUpload != "none")
                throw UsageError("--sntp-upload wants after, before or none: " + o.sntpUpload);
        } else if (arg == "--device-address") {
            std::string v = value();
            const size_t slash = v.find('/');
            in_addr a{}, m{};
            if (slash == std::string::npos || inet_pton(AF_INET, v.substr(0, slash).c_str(), &a) != 1 ||
                inet_pton(AF_INET, v.substr(slash + 1).c_str(), &m) != 1)
                throw UsageError("--device-address wants ADDR/MASK: " + v);
            o.deviceAddress = v.substr(0, slash);
            o.deviceMask = v.substr(slash + 1);
        } else if (arg == "--no-control") {
            o.control = false;
        } else if (arg == "--verbose") {
            o.verbose = true;
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
    if (o.communityRo.empty() || o.communityRw.empty())
        throw UsageError("communities must not be empty");
    return o;
}

} // namespace devsim
