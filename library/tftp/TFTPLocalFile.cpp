#include "library/tftp/TFTPLocalFile.h"

#include "library/tftp/TFTPFileClaims.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using tftp::FileClaims;

namespace {
// The root as the file system resolves it, without a trailing separator ("/" stays "/"). An empty
// root is no folder: the process's current folder is never served.
bool ResolvedFolder(const std::string& root, std::string& out) {
    char buffer[PATH_MAX];
    if (root.empty() || !::realpath(root.c_str(), buffer))
        return false;
    out = buffer;
    return true;
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// The opened file sits directly in `folder`, whatever path led to it.
bool IsDirectlyIn(int fd, const std::string& folder) {
    char buffer[PATH_MAX];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    ssize_t n = ::readlink(link.c_str(), buffer, sizeof buffer - 1);
    if (n <= 0)
        return false;
    const std::string path(buffer, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return false;
    return (slash == 0 ? std::string("/") : path.substr(0, slash)) == folder;
}

std::string RandomSuffix() {
    static std::mutex lock;
    static std::mt19937_64 generator{std::random_device{}()};
    std::lock_guard guard(lock);
    char text[20];
    std::snprintf(text, sizeof text, "%012llx",
                  static_cast<unsigned long long>(generator() & 0xffffffffffffULL));
    return text;
}
} // namespace

TFTPLocalFile::Result TFTPLocalFile::OpenForRead(const std::string& root, const std::string& name) {
    Close();
    std::string folder;
    if (!ResolvedFolder(root, folder))
        return root.empty() ? Result::Refused : Result::NotFound;
    const std::string path = root + name;
    const std::string key = Join(folder, name);
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
        return Result::Refused;
    if (FileClaims::IsBeingWritten(key))
        return Result::NotFound;
    // Non-blocking so that a FIFO cannot stall the loop; only regular files are served.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno == ELOOP ? Result::Refused : Result::NotFound;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Result::NotFound;
    }
    if (!IsDirectlyIn(fd, folder)) {
        ::close(fd);
        return Result::Refused;
    }
    m_fd = fd;
    m_writing = false;
    m_path = path;
    m_key = key;
    FileClaims::Claim(m_key, false);
    return Result::Ok;
}

TFTPLocalFile::Result TFTPLocalFile::OpenForWrite(const std::string& root, const std::string& name) {
    Close();
    std::string folder;
    if (!ResolvedFolder(root, folder))
        return Result::Refused;
    const std::string path = root + name;
    const std::string key = Join(folder, name);
    if (FileClaims::IsClaimed(key))
        return Result::Refused;
    struct stat info {};
    const bool exists = ::lstat(path.c_str(), &info) == 0;
    if (exists ? !S_ISREG(info.st_mode) : errno != ENOENT)
        return Result::Refused; // links, folders, FIFOs and devices are never written
    if (exists && ::access(path.c_str(), W_OK) != 0)
        return Result::Refused; // a file the user may not write stays as it is
    int fd = -1;
    std::string tempName;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tempName = ".tftp-receive-" + RandomSuffix();
        fd = ::open((root + tempName).c_str(),
                    O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return Result::Refused;
    }
    if (fd < 0)
        return Result::Refused;
    if (!IsDirectlyIn(fd, folder)) {
        ::close(fd);
        ::unlink((root + tempName).c_str());
        return Result::Refused;
    }
    if (exists)
        ::fchmod(fd, info.st_mode & 07777); // the replacement keeps the old file's permissions
    m_fd = fd;
    m_writing = true;
    m_path = path;
    m_tempPath = root + tempName;
    m_key = key;
    m_tempKey = Join(folder, tempName);
    FileClaims::Claim(m_key, true);
    FileClaims::Claim(m_tempKey, true);
    return Result::Ok;
}

TFTPLocalFile::Result TFTPLocalFile::Finish() {
    if (m_fd < 0 || m_tempPath.empty())
        return Result::Refused;
    if (::fsync(m_fd) != 0) {
        Close();
        return Result::NoSpace;
    }
    return Result::Ok;
}

TFTPLocalFile::Result TFTPLocalFile::Commit() {
    // The old file goes only once the new one is safely stored.
    if (const Result stored = Finish(); stored != Result::Ok)
        return stored;
    if (::rename(m_tempPath.c_str(), m_path.c_str()) != 0) {
        Close();
        return Result::Refused;
    }
    m_tempPath.clear();
    Close();
    return Result::Ok;
}

void TFTPLocalFile::Close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_tempPath.empty())
        ::unlink(m_tempPath.c_str());
    m_tempPath.clear();
    Release();
}

void TFTPLocalFile::Release() {
    if (!m_key.empty())
        FileClaims::Release(m_key, m_writing);
    if (!m_tempKey.empty())
        FileClaims::Release(m_tempKey, true);
    m_key.clear();
    m_tempKey.clear();
}
