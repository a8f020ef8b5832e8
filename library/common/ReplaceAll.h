#pragma once
#include <string>

// Every occurrence of `placeholder` in `text` replaced by `value`, left to right, without rescanning
// what was inserted. An empty placeholder leaves the text as it is.
std::string ReplaceAll(const std::string& text, const std::string& placeholder, const std::string& value);
