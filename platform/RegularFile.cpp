#include "platform/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileRead Skip(std::string* why, const std::string& path, const std::string& reason) {
    if (why)
        *why = "The file " + path + " was not read: " + reason + ".";
    return FileRead::Skipped;
}

} // namespace

FileRead ReadRegularFile(const std::string& path, size_t maxSize, std::string& content, std::string* why) {
    // Opening does not wait for a FIFO's writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing
                                                   : Skip(why, path, "it cannot be opened");
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Skip(why, path, "it is not a regular file");
    }
    if (static_cast<unsigned long long>(st.st_size) > maxSize) {
        ::close(fd);
        return Skip(why, path, "it is larger than " + std::to_string(maxSize) + " bytes");
    }
    std::string read(static_cast<size_t>(st.st_size), '\0');
    size_t got = 0;
    // A file that grows meanwhile is read up to the size it had; one that shrinks, to its end.
    while (got < read.size()) {
        const ssize_t n = ::read(fd, read.data() + got, read.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return Skip(why, path, "reading it failed");
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    read.resize(got);
    content = std::move(read);
    return FileRead::Ok;
}
