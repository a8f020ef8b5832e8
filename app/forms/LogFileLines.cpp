#include "app/forms/LogFileLines.h"

#include "platform/RegularFile.h"

#include <sstream>

namespace {

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n\f\v";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

bool SplitLogLine(const std::string& line, LogFileRow& row) {
    if (line.empty())
        return false;
    const size_t tab = line.find('\t');
    row.Time = tab == std::string::npos ? std::string() : Trimmed(line.substr(0, tab));
    const std::string rest = tab == std::string::npos ? line : line.substr(tab + 1);
    const size_t open = rest.find('[');
    const size_t close = open == std::string::npos ? std::string::npos : rest.find(']', open + 1);
    if (close == std::string::npos) {
        row.Type.clear();
        row.Message = rest;
    } else {
        row.Type = rest.substr(open + 1, close - open - 1);
        row.Message = rest.substr(close + 1);
    }
    return true;
}

std::string ShownPart(const std::string& field) {
    return field.size() <= kShownFieldCharacters ? field : field.substr(0, kShownFieldCharacters);
}

bool ReadLogFileLines(const std::string& path, std::vector<std::string>& lines, std::string* why) {
    std::string content;
    if (ReadRegularFile(path, kMaxLogFileSize, content, why) != FileRead::Ok)
        return false;
    std::vector<std::string> read;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        read.push_back(line);
    }
    lines = std::move(read);
    return true;
}
