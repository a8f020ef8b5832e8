#include "platform/NamedMutex.h"

#include "platform/LastError.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
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

// The user's own folder for the lock: $XDG_RUNTIME_DIR, else ktx7593ap-UID in $TMPDIR (or /tmp), made
// 0700 and used only while it is a real folder of this user that nobody else can write. Empty when
// there is none: a shared name would let one account's lock, or any user's file, stop another's start.
std::string LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime && *runtime && stat(runtime, &st) == 0 && S_ISDIR(st.st_mode) && access(runtime, W_OK) == 0)
        return runtime;
    const char* temp = std::getenv("TMPDIR");
    const std::string folder =
        std::string(temp && *temp ? temp : "/tmp") + "/ktx7593ap-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() ||
        (st.st_mode & 022) != 0)
        return std::string();
    return folder;
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
    const std::string folder = LockFolder();
    return folder.empty() ? std::string() : folder + "/ktx7593ap-" + readable + suffix + ".lock";
}

HANDLE CreateMutexA(void* /*securityAttributes*/, bool /*initialOwner*/, const char* name) {
    const std::string path = NamedMutexLockPath(name ? name : "");
    if (path.empty()) {
        SetLastError(static_cast<uint32_t>(EACCES));
        return nullptr;
    }
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        SetLastError(static_cast<uint32_t>(errno));
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
