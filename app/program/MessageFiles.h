#pragma once
// Loading the seven message files into their tables. The installed set lies in "errMSg" beside
// the program, the host's set in "errmsg" below its help folder; either spelling is found.
#include <string>
#include <vector>

// The folder as given when it exists, else the entry of its parent whose name matches without
// case, else the folder as given. Keeps a trailing "/".
std::string FindFolderNoCase(const std::string& folder);

// The program's own files, in the order the tables were first built. A file that is there but not
// a regular file of bounded size keeps its table; `skipped` gets a text naming it.
void LoadInstalledMessageFiles(const std::string& folder, std::vector<std::string>& skipped);
// The host's files, loaded over the installed ones (a missing or empty file keeps a table).
void LoadHostMessageFiles(const std::string& folder, std::vector<std::string>& skipped);
