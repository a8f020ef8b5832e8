#pragma once
// Loading the seven message files into their tables. The installed set lies in "errMSg" beside
// the program, the host's set in "errmsg" below its help folder; either spelling is found.
#include <string>

// The folder as given when it exists, else the entry of its parent whose name matches without
// case, else the folder as given. Keeps a trailing "/".
std::string FindFolderNoCase(const std::string& folder);

// The program's own files, in the order the tables were first built.
void LoadInstalledMessageFiles(const std::string& folder);
// The host's files, loaded over the installed ones (a missing or empty file keeps a table).
void LoadHostMessageFiles(const std::string& folder);
