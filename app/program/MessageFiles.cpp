#include "app/program/MessageFiles.h"

#include "library/common/NxCommonErrors.h"
#include "library/snmp/NxSNMPStatus.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

namespace {

bool SameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

using Entry = std::pair<const char*, NxMessageTable*>;

void LoadAll(const std::string& folder, std::initializer_list<Entry> files,
             std::vector<std::string>& skipped) {
    const std::string found = FindFolderNoCase(folder);
    for (const Entry& file : files) {
        std::string why;
        LoadMessageTable(*file.second, found + file.first, &why);
        if (!why.empty())
            skipped.push_back(why);
    }
}

} // namespace

std::string FindFolderNoCase(const std::string& folder) {
    namespace fs = std::filesystem;
    std::string path = folder;
    const bool slash = !path.empty() && path.back() == '/';
    if (slash)
        path.pop_back();
    std::error_code error;
    if (path.empty() || fs::is_directory(path, error))
        return folder;
    const size_t cut = path.find_last_of('/');
    const std::string parent = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    const std::string leaf = cut == std::string::npos ? path : path.substr(cut + 1);
    for (fs::directory_iterator it(parent.empty() ? "." : parent, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (SameNoCase(name, leaf) && it->is_directory(error))
            return parent + name + (slash ? "/" : "");
    }
    return folder;
}

void LoadInstalledMessageFiles(const std::string& folder, std::vector<std::string>& skipped) {
    LoadAll(folder,
            {{"snmpclass.err", &SnmpClassErrTable},
             {"snmp.err", &SnmpErrTable},
             {"snmp.msg", &SnmpMsgTable},
             {"nxsnmp.err", &NxSnmpErrTable},
             {"snmpv3.err", &Snmpv3ErrTable},
             {"snmpusm.err", &SnmpUsmErrTable},
             {"common.err", &CommonErrTable}},
            skipped);
}

void LoadHostMessageFiles(const std::string& folder, std::vector<std::string>& skipped) {
    LoadAll(folder,
            {{"common.err", &CommonErrTable},
             {"snmp.err", &SnmpErrTable},
             {"snmpv3.err", &Snmpv3ErrTable},
             {"snmpusm.err", &SnmpUsmErrTable},
             {"snmpclass.err", &SnmpClassErrTable},
             {"nxsnmp.err", &NxSnmpErrTable},
             {"snmp.msg", &SnmpMsgTable}},
            skipped);
}
