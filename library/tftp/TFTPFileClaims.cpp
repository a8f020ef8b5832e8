#include "library/tftp/TFTPFileClaims.h"

#include <map>
#include <mutex>

namespace tftp {

namespace {
struct Holders {
    int Readers = 0;
    int Writers = 0;
};

std::mutex g_lock;

std::map<std::string, Holders>& Table() {
    static std::map<std::string, Holders> table;
    return table;
}
} // namespace

bool FileClaims::IsClaimed(const std::string& path) {
    std::lock_guard lock(g_lock);
    return Table().count(path) != 0;
}

bool FileClaims::IsBeingWritten(const std::string& path) {
    std::lock_guard lock(g_lock);
    auto it = Table().find(path);
    return it != Table().end() && it->second.Writers > 0;
}

void FileClaims::Claim(const std::string& path, bool writing) {
    std::lock_guard lock(g_lock);
    Holders& holders = Table()[path];
    ++(writing ? holders.Writers : holders.Readers);
}

void FileClaims::Release(const std::string& path, bool writing) {
    std::lock_guard lock(g_lock);
    auto it = Table().find(path);
    if (it == Table().end())
        return;
    --(writing ? it->second.Writers : it->second.Readers);
    if (it->second.Readers <= 0 && it->second.Writers <= 0)
        Table().erase(it);
}

} // namespace tftp
