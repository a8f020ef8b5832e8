#pragma once
#include <string>

// A folder and a file name joined by one "/" (the name alone when the folder is empty).
std::string JoinPath(const std::string& folder, const std::string& name);
