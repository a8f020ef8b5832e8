#include "library/common/NxMessageTable.h"

#include "platform/RegularFile.h"

#include <algorithm>
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

void LoadMessageTable(NxMessageTable& table, const std::string& fileName, std::string* skipped) {
    std::string content;
    if (ReadRegularFile(fileName, kMaxMessageFileSize, content, skipped) != FileRead::Ok)
        return;
    // Lines as a 1024-character line buffer takes them: a longer line comes in pieces, each piece
    // an entry of its own.
    constexpr size_t kPiece = 1023;
    std::vector<std::string> entries;
    for (size_t at = 0; at < content.size();) {
        const size_t end = content.find('\n', at);
        const size_t lineEnd = end == std::string::npos ? content.size() : end + 1;
        const size_t size = std::min(kPiece, lineEnd - at);
        const std::string piece = content.substr(at, size);
        at += size;
        // A line holds no NUL: what follows one is lost, as with a C line buffer.
        const std::string line = piece.substr(0, piece.find('\0'));
        if (!IsBlank(line.c_str()))
            entries.push_back(WithLineFeeds(WithoutLineEnd(line.c_str())));
    }
    if (!entries.empty())
        table.Replace(std::move(entries));
}
