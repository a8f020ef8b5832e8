#include "library/common/ReplaceAll.h"

std::string ReplaceAll(const std::string& text, const std::string& placeholder, const std::string& value) {
    if (placeholder.empty())
        return text;
    std::string result;
    size_t from = 0;
    for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, from)) {
        result.append(text, from, at - from).append(value);
        from = at + placeholder.size();
    }
    return result.append(text, from, std::string::npos);
}
