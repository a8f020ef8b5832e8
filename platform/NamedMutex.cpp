#include "platform/NamedMutex.h"

#include "platform/LastError.h"
#include "platform/OwnFolder.h"
#include "platform/ProgramFolder.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
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

// Where the lock may live, in order: $XDG_RUNTIME_DIR (the session's: used as it is, never made
// or changed), then the program folder. A folder under a shared one such as /tmp could be made
// first by another account, which would then stop every start.
struct LockFolder {
    std::string Path;
    bool Make;
};

std::vector<LockFolder> LockFolderCandidates() {
    std::vector<LockFolder> candidates;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
        candidates.push_back({runtime, false});
    std::string own = ProgramFolder();
    while (own.size() > 1 && own.back() == '/')
        own.pop_back();
    candidates.push_back({own, true});
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

std::string NamedMutexFolder(std::string* unsafe) {
    const std::vector<LockFolder> candidates = LockFolderCandidates();
    for (const LockFolder& folder : candidates)
        if (folder.Make ? MakeOwnFolder(folder.Path) : IsOwnFolder(folder.Path))
            return folder.Path;
    if (unsafe)
        *unsafe = candidates.back().Path;
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
