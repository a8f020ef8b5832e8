#pragma once
// Folders of the user's own, for the lock and the program's files: a real folder (not a link)
// that the user owns and nobody else may enter (mode 0700). A folder another account made or can
// write would let it stop, fake or read what the module keeps there.
#include <string>

bool IsOwnFolder(const std::string& folder);
// Makes the folder (and its missing parents) with mode 0700; true when it then is the user's own.
bool MakeOwnFolder(const std::string& folder);
// The start-up message for a folder that is not the user's own; purpose says what it was for.
std::string UnsafeFolderText(const std::string& folder, const std::string& purpose);
