#include "platform/NamedMutex.h"

#include "platform/LastError.h"
#include "platform/OwnFolder.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct MutexHandle {
    int Fd;
    bool Owned;
};

// Handles live until the process ends, like the lock they stand for.
std::vector<MutexHandle*>& Handles() {
    static auto* handles = new std::vector<MutexHandle*>; // never destroyed: the locks outlive exit handlers
    return *handles;
}
std::mutex HandlesLock;

std::optional<LockAccount>& AccountForTests() {
    static std::optional<LockAccount> account;
    return account;
}

// Where the lock may live, in order: the account's program folder (made when missing), then its
// runtime folder (used as it is, never made or changed). A folder under a shared one such as /tmp
// could be made first by another account, which would then stop every start.
struct LockFolder {
    std::string Path;
    bool Make;
};

std::vector<LockFolder> LockFolderCandidates() {
    const LockAccount account = AccountForTests() ? *AccountForTests() : SystemLockAccount();
    std::vector<LockFolder> candidates;
    candidates.push_back(
        {account.Home.empty() ? std::string() : account.Home + "/.local/share/ktx7593ap", true});
    if (!account.RuntimeFolder.empty())
        candidates.push_back({account.RuntimeFolder, false});
    return candidates;
}

} // namespace

std::string NamedMutexLockPath(const std::string& name) {
    // Readable part plus a hash, so that names differing only in replaced characters stay apart.
    std::string readable;
    uint32_t hash = 2166136261u;
    for (unsigned char c : name) {
        hash = (hash ^ c) * 16777619u;
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_';
        if (readable.size() < 120)
            readable += plain ? static_cast<char>(c) : '_';
    }
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%08x", hash);
    const std::string folder = NamedMutexFolder();
    return folder.empty() ? std::string() : folder + "/ktx7593ap-" + readable + suffix + ".lock";
}

LockAccount SystemLockAccount() {
    const uid_t uid = geteuid();
    LockAccount account;
    account.RuntimeFolder = "/run/user/" + std::to_string(uid);
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
        found->pw_dir[0] == '/') {
        account.Home = found->pw_dir;
        while (account.Home.size() > 1 && account.Home.back() == '/')
            account.Home.pop_back();
        if (account.Home == "/")
            account.Home.clear(); // "/.local/share" would be a folder of the whole system
    }
    return account;
}

void SetLockAccount(const LockAccount* account) {
    AccountForTests() = account ? std::optional<LockAccount>(*account) : std::nullopt;
}

std::string NamedMutexFolder(std::string* unsafe) {
    const std::vector<LockFolder> candidates = LockFolderCandidates();
    for (const LockFolder& folder : candidates)
        if (folder.Make ? MakeOwnFolder(folder.Path) : IsOwnFolder(folder.Path))
            return folder.Path;
    if (unsafe)
        *unsafe = candidates.front().Path;
    return std::string();
}

HANDLE CreateMutexA(void* /*securityAttributes*/, bool /*initialOwner*/, const char* name) {
    const std::string path = NamedMutexLockPath(name ? name : "");
    if (path.empty()) {
        SetLastError(static_cast<uint32_t>(EACCES));
        return nullptr;
    }
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
        SetLastError(static_cast<uint32_t>(errno));
        return nullptr;
    }
    // A lock file someone else put in the folder is never trusted, either way: no handle.
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        close(fd);
        SetLastError(static_cast<uint32_t>(EACCES));
        return nullptr;
    }
    const bool owned = flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (!owned) {
        const int error = errno;
        close(fd);
        if (error != EWOULDBLOCK) {
            SetLastError(static_cast<uint32_t>(error));
            return nullptr;
        }
    }
    auto* handle = new MutexHandle{owned ? fd : -1, owned};
    {
        std::lock_guard<std::mutex> guard(HandlesLock);
        Handles().push_back(handle);
    }
    SetLastError(owned ? ERROR_SUCCESS : ERROR_ALREADY_EXISTS);
    return handle;
}
