#include "tools/devsim/DataFile.h"

#include "platform/HexDigit.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace devsim {
namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return {};
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// Splits off the next blank-separated word of s starting at pos.
std::string NextWord(const std::string& s, size_t& pos) {
    size_t b = s.find_first_not_of(" \t", pos);
    if (b == std::string::npos) {
        pos = s.size();
        return {};
    }
    size_t e = s.find_first_of(" \t", b);
    if (e == std::string::npos)
        e = s.size();
    pos = e;
    return s.substr(b, e - b);
}

Access ParseAccess(const std::string& word) {
    if (word == "ro")
        return Access::ReadOnly;
    if (word == "rw")
        return Access::ReadWrite;
    if (word == "wo")
        return Access::WriteOnly;
    throw std::invalid_argument("access must be ro, rw or wo: " + word);
}

} // namespace

std::string UnquoteValue(const std::string& raw) {
    std::string text = Trim(raw);
    if (text.empty() || text[0] != '"') {
        // An unquoted value ends where a comment begins.
        size_t hash = text.find(" #");
        if (hash == std::string::npos)
            hash = text.find("\t#");
        if (!text.empty() && text[0] == '#')
            return {};
        return hash == std::string::npos ? text : Trim(text.substr(0, hash));
    }
    std::string out;
    size_t i = 1;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] != '\\') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 1 >= text.size())
            throw std::invalid_argument("unfinished escape");
        char n = text[i + 1];
        if (const int byte = n == 'x' ? HexPairValue(text, i + 2) : -1; byte >= 0) {
            out.push_back(static_cast<char>(byte));
            i += 3;
        } else if (n == '"' || n == '\\') {
            out.push_back(n);
            i += 1;
        } else {
            throw std::invalid_argument(std::string("unknown escape \\") + n);
        }
    }
    if (i >= text.size())
        throw std::invalid_argument("missing closing quote");
    std::string rest = Trim(text.substr(i + 1));
    if (!rest.empty() && rest[0] != '#')
        throw std::invalid_argument("text after closing quote: " + rest);
    return out;
}

std::vector<ObjectDef> ParseData(const std::string& text, const std::string& sourceName) {
    std::vector<ObjectDef> defs;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        std::string t = Trim(line);
        if (t.empty() || t[0] == '#')
            continue;
        try {
            size_t pos = 0;
            std::string oidText = NextWord(t, pos);
            std::string typeText = NextWord(t, pos);
            std::string accessText = NextWord(t, pos);
            auto oid = ParseOid(oidText);
            if (!oid)
                throw std::invalid_argument("bad OID: " + oidText);
            auto type = ParseValueType(typeText);
            if (!type)
                throw std::invalid_argument("unknown type: " + typeText);
            ObjectDef def;
            def.oid = *oid;
            def.access = ParseAccess(accessText);
            def.value = ParseValue(*type, UnquoteValue(t.substr(pos)));
            defs.push_back(std::move(def));
        } catch (const std::invalid_argument& e) {
            throw DataFileError(sourceName + ":" + std::to_string(lineNo) + ": " + e.what());
        }
    }
    return defs;
}

std::vector<ObjectDef> ReadDataFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw DataFileError("cannot read data file " + path);
    std::ostringstream all;
    all << in.rdbuf();
    return ParseData(all.str(), path);
}

std::vector<ObjectDef> ReadDataPath(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec))
        return ReadDataFile(path);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(path, ec))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path().string());
    if (ec || files.empty())
        throw DataFileError("no data files in " + path);
    std::sort(files.begin(), files.end());
    std::vector<ObjectDef> all;
    for (const auto& f : files) {
        auto defs = ReadDataFile(f);
        all.insert(all.end(), defs.begin(), defs.end());
    }
    return all;
}

} // namespace devsim
