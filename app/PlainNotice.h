#pragma once
// The plain notice box (no title text, one OK button) of the shared address services. The program
// routes it to its message boxes; tests record it.
#include <functional>
#include <string>

using PlainNoticeHandler = std::function<void(const std::string& text)>;

void ShowPlainNotice(const std::string& text);
// Replaces the handler and returns the previous one; an empty handler restores the default box.
PlainNoticeHandler SetPlainNoticeHandler(PlainNoticeHandler handler);
