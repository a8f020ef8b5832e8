#pragma once
// Reading a whole file only when it is a regular file of bounded size: a FIFO would hold the
// caller for ever, a device such as /dev/zero would fill the memory, a folder holds no text.
#include <cstddef>
#include <string>

enum class FileRead { Ok, Missing, Skipped };

// Missing: there is nothing at `path`. Skipped: something is there that is not read (not a regular
// file, larger than `maxSize` bytes, or unreadable); `why` (when given) then names the file and the
// reason. `content` changes only on Ok.
FileRead ReadRegularFile(const std::string& path, size_t maxSize, std::string& content,
                         std::string* why = nullptr);
