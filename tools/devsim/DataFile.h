#pragma once
// The device data file: one object a line, "OID TYPE ACCESS VALUE", '#' starts a comment.
// A value with blanks, '#' or escapes is written in double quotes (\" \\ \xHH inside).

#include "tools/devsim/Value.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace devsim {

enum class Access { ReadOnly, ReadWrite, WriteOnly };

struct ObjectDef {
    Oid oid;
    Access access = Access::ReadOnly;
    Value value;
};

class DataFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws DataFileError naming the file and line.
std::vector<ObjectDef> ReadDataFile(const std::string& path);
std::vector<ObjectDef> ParseData(const std::string& text, const std::string& sourceName);

// The value part of a line (quotes and trailing comment handled), as used by the control channel too.
std::string UnquoteValue(const std::string& text);

} // namespace devsim
