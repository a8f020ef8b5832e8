#include "snmpengine/BootCounter.h"

#include "platform/RegularFile.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
constexpr size_t MaxEngineIdLength = 32;

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The line's engine ID (first word, upper case) and the rest after the blanks.
void splitLine(const std::string& line, std::string& id, std::string& rest) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) {
        id.clear();
        rest.clear();
        return;
    }
    size_t end = line.find_first_of(" \t", start);
    id = upper(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
    rest.clear();
    if (end != std::string::npos) {
        size_t restStart = line.find_first_not_of(" \t", end);
        if (restStart != std::string::npos)
            rest = line.substr(restStart);
    }
    while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' ' || rest.back() == '\t'))
        rest.pop_back();
}

bool parseCount(const std::string& text, unsigned int& count) {
    if (text.empty() || text.size() > 10)
        return false;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    // snmpEngineBoots ends at 2147483647: a larger count, or one that would pass it, is no count.
    if (value >= 0x7FFFFFFFull)
        return false;
    count = static_cast<unsigned int>(value);
    return true;
}
} // namespace

int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots) {
    boots = 0;
    if (engineId.len() > MaxEngineIdLength)
        return BootCounterResult::EngineIdTooLong;
    std::string content;
    switch (ReadRegularFile(fileName, kMaxBootCounterFileSize, content)) {
    case FileRead::Missing:
        return BootCounterResult::FileError;
    case FileRead::Skipped:
        return BootCounterResult::Unusable;
    case FileRead::Ok:
        break;
    }
    std::istringstream file(content);
    const std::string wanted = engineId.get_printable_hex();
    std::string line, id, rest;
    while (std::getline(file, line)) {
        splitLine(line, id, rest);
        if (id != wanted)
            continue;
        return parseCount(rest, boots) ? BootCounterResult::Ok : BootCounterResult::Malformed;
    }
    return BootCounterResult::NoEntry;
}

int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots) {
    if (engineId.len() > MaxEngineIdLength)
        return BootCounterResult::EngineIdTooLong;
    const std::string wanted = engineId.get_printable_hex();
    const std::string ownLine = wanted + " " + std::to_string(boots);

    std::vector<std::string> lines;
    bool replaced = false;
    {
        // Only a readable counter's other lines are kept.
        std::string content;
        ReadRegularFile(fileName, kMaxBootCounterFileSize, content);
        std::istringstream old(content);
        std::string line, id, rest;
        while (std::getline(old, line)) {
            splitLine(line, id, rest);
            if (id == wanted) {
                if (!replaced)
                    lines.push_back(ownLine);
                replaced = true;
            } else if (!id.empty()) {
                lines.push_back(line);
            }
        }
    }
    if (!replaced)
        lines.push_back(ownLine);

    // One temporary per process: two modules saving at once each replace the file whole.
    const std::string temporary = fileName + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out)
            return BootCounterResult::FileError;
        for (const std::string& line : lines)
            out << line << '\n';
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return BootCounterResult::FileError;
        }
    }
    if (std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        std::remove(temporary.c_str());
        return BootCounterResult::FileError;
    }
    return BootCounterResult::Ok;
}

bool setAsideBootCounter(const std::string& fileName) {
    return std::rename(fileName.c_str(), (fileName + ".bad").c_str()) == 0;
}

int countBoot(const std::string& fileName, const OctetStr& engineId, unsigned int& boots) {
    const int loaded = getBootCounter(fileName, engineId, boots);
    if (loaded == BootCounterResult::EngineIdTooLong)
        return loaded;
    const bool fresh = loaded == BootCounterResult::Malformed || loaded == BootCounterResult::Unusable;
    ++boots; // getBootCounter left 0 unless it found a count
    // What cannot be moved aside is left as it is for whoever looks at it.
    if (loaded == BootCounterResult::Unusable && !setAsideBootCounter(fileName))
        return BootCounterResult::InMemory;
    if (saveBootCounter(fileName, engineId, boots) != BootCounterResult::Ok)
        return BootCounterResult::InMemory;
    return fresh ? BootCounterResult::Replaced : BootCounterResult::Ok;
}
