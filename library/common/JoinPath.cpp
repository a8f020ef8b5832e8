#include "library/common/JoinPath.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    // A folder written the Windows way keeps its separator rather than gaining a second one.
    if (folder.back() == '/' || folder.back() == '\\')
        return folder + name;
    return folder + "/" + name;
}
