#pragma once
// A table of status texts, one per code of a range, that a message file can replace at run time.
#include <cstddef>
#include <string>
#include <vector>

class NxMessageTable {
  public:
    constexpr NxMessageTable(const char* const* builtin, int count) : Builtin_(builtin), Count_(count) {}

    int Count() const { return Count_; }
    // The loaded text of the entry, or the built-in one where the loaded file is too short.
    std::string Text(int entry) const;
    std::string BuiltinText(int entry) const;
    int LoadedCount() const { return static_cast<int>(Loaded_.size()); }
    void Replace(std::vector<std::string> entries) { Loaded_ = std::move(entries); }

  private:
    const char* const* Builtin_;
    int Count_;
    std::vector<std::string> Loaded_;
};

// Replaces the table by the non-blank lines of the file; a missing or blank file changes nothing.
// The two characters "\n" in a line stand for a line feed, since a line cannot hold one. Only a
// regular file of at most kMaxMessageFileSize bytes is read: anything else changes nothing and
// `skipped` (when given) names it and says why.
inline constexpr size_t kMaxMessageFileSize = 1 << 20;
void LoadMessageTable(NxMessageTable& table, const std::string& fileName, std::string* skipped = nullptr);
