#pragma once
// Files that sessions of this process hold open, so that two sessions never meet on one file: a
// write shares its name with nobody, reads share theirs with other reads only.
#include <string>

namespace tftp {

class FileClaims {
  public:
    static bool IsClaimed(const std::string& path);
    static bool IsBeingWritten(const std::string& path);
    static void Claim(const std::string& path, bool writing);
    static void Release(const std::string& path, bool writing);
};

} // namespace tftp
