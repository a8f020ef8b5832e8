#include "app/views/MailAddressCheck.h"

#include "platform/Edit.h"
#include "platform/MessageBox.h"

#include <cctype>

namespace {

// Splits text at its first `mark`: false when there is none.
bool SplitAt(const std::string& text, char mark, std::string& before, std::string& after) {
    const size_t at = text.find(mark);
    if (at == std::string::npos)
        return false;
    before = text.substr(0, at);
    after = text.substr(at + 1);
    return true;
}

bool IsLabel(const std::string& text) {
    return !text.empty() && IsMailPart(text);
}

} // namespace

bool IsMailPart(const std::string& text) {
    for (const char* pair : {"..", "--", ".-", "-."})
        if (text.find(pair) != std::string::npos)
            return false;
    if (!text.empty()) {
        const char first = text.front();
        const char last = text.back();
        if (first == '.' || first == '-' || last == '.' || last == '-')
            return false;
    }
    for (const char c : text) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '_' && c != '-' && c != '.')
            return false;
    }
    return true;
}

bool IsMailAddress(const std::string& text) {
    std::string local, rest;
    if (!SplitAt(text, '@', local, rest) || !IsLabel(local))
        return false;
    std::string label1, afterLabel1;
    if (!SplitAt(rest, '.', label1, afterLabel1) || !IsLabel(label1))
        return false;
    std::string label2, unchecked;
    if (SplitAt(afterLabel1, '.', label2, unchecked))
        return IsLabel(label2);
    return IsMailPart(afterLabel1);
}

bool CheckMailAddress(TEdit* edit, bool isSender) {
    if (IsMailAddress(edit->Text()))
        return true;
    MessageBox(edit->window(), isSender ? "Wrong SMTP Sender format!" : "Wrong SMTP Recipient format!",
               "Warning");
    edit->SetText("");
    edit->setFocus();
    return false;
}
