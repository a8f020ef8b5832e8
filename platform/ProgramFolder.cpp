#include "platform/ProgramFolder.h"

#include "platform/OwnFolder.h"

#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "./";
    std::string exe(path, static_cast<size_t>(n));
    return WithSlash(exe.substr(0, exe.find_last_of('/') + 1));
}

std::string ProgramFolder() {
    std::vector<std::string> candidates;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        candidates.push_back(WithSlash(data) + "ktx7593ap/");
    std::string home;
    if (const char* variable = std::getenv("HOME"); variable && *variable == '/')
        home = variable;
    else if (const passwd* account = getpwuid(geteuid());
             account && account->pw_dir && *account->pw_dir == '/')
        home = account->pw_dir;
    if (!home.empty())
        candidates.push_back(WithSlash(home) + ".local/share/ktx7593ap/");
    for (const std::string& folder : candidates)
        if (MakeOwnFolder(folder))
            return folder;
    return candidates.empty() ? std::string() : candidates.back();
}
