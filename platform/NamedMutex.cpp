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

std::string LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime && *runtime && stat(runtime, &st) == 0 && S_ISDIR(st.st_mode) && access(runtime, W_OK) == 0)
        return runtime;
    return "/tmp";
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
    return LockFolder() + "/ktx7593ap-" + readable + suffix + ".lock";
}

HANDLE CreateMutexA(void* /*securityAttributes*/, bool /*initialOwner*/, const char* name) {
    const std::string path = NamedMutexLockPath(name ? name : "");
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
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
