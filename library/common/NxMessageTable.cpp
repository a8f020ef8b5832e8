#include "library/common/NxMessageTable.h"

#include <cstdio>
#include <cstring>

std::string NxMessageTable::BuiltinText(int entry) const {
    return entry >= 0 && entry < Count_ ? Builtin_[entry] : std::string();
}

std::string NxMessageTable::Text(int entry) const {
    if (entry >= 0 && entry < LoadedCount())
        return Loaded_[static_cast<size_t>(entry)];
    return BuiltinText(entry);
}

namespace {

bool IsBlank(const char* line) {
    for (; *line; ++line)
        if (static_cast<unsigned char>(*line) > ' ')
            return false;
    return true;
}

std::string WithoutLineEnd(const char* line) {
    std::string text = line;
    const size_t cr = text.find('\r');
    if (cr != std::string::npos && cr + 1 < text.size())
        text.resize(cr);
    else if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string WithLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

void LoadMessageTable(NxMessageTable& table, const std::string& fileName) {
    FILE* file = std::fopen(fileName.c_str(), "r");
    if (!file)
        return;
    // A line longer than the buffer is taken in pieces, each piece an entry of its own.
    char buffer[1024];
    std::vector<std::string> entries;
    while (std::fgets(buffer, sizeof buffer, file))
        if (!IsBlank(buffer))
            entries.push_back(WithLineFeeds(WithoutLineEnd(buffer)));
    std::fclose(file);
    if (!entries.empty())
        table.Replace(std::move(entries));
}
