#pragma once
// What a check says when a value it needs was not read (or cannot be shown): it names that value
// rather than taking its absence for the user's mistake, and the Apply stops.
#include <string>

inline std::string UncheckedText(const std::string& cause, const std::string& checked) {
    return cause + ": " + checked + " could not be checked. Nothing was written.";
}

inline std::string NotReadText(const std::string& what, const std::string& checked = "it") {
    return UncheckedText("The " + what + " was not read", checked);
}
