#pragma once
// An Apply's result line and the re-read that follows it. A failed Apply's text stays in view
// whatever the re-read shows; after a successful Apply a failure that the re-read shows stays in
// view, and otherwise the success text does.
#include <functional>
#include <string>

class TStatusBar;

// Shows `text` (the Apply's result, `applied` when every write was taken), runs `reread`, then
// leaves on the bar what the user must see.
void ShowApplyResult(TStatusBar* bar, bool applied, const std::string& text,
                     const std::function<void()>& reread);

// The text where a form shows its results: panel 0 when the bar has panels, otherwise the simple text.
std::string ResultText(const TStatusBar* bar);
