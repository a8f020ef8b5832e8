#include "platform/OwnFolder.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

bool IsOwnFolder(const std::string& folder) {
    struct stat st {};
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back(); // lstat of "link/" would look through the link
    return !path.empty() && lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
           (st.st_mode & 07777) == 0700;
}

bool MakeOwnFolder(const std::string& folder) {
    if (folder.empty() || folder[0] != '/')
        return false;
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos != folder.size() && folder[pos] != '/')
            continue;
        if (mkdir(folder.substr(0, pos).c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return IsOwnFolder(folder);
}

std::string UnsafeFolderText(const std::string& folder, const std::string& purpose) {
    return "The folder " + folder + " for " + purpose +
           " is not safe: it must belong to this user, have mode 0700 and not be a link.";
}
