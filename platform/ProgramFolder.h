#pragma once
// Folders of the running program. Both end in "/".
#include <string>

std::string ExecutableFolder(); // the folder of the running executable
// Where the program keeps its files (boot counter, received log and time-zone list), never the
// executable's folder (the device uploads into it) nor the current one: $XDG_DATA_HOME/ktx7593ap,
// else ~/.local/share/ktx7593ap (home from $HOME, else the user's account), made with mode 0700.
// The first of them that is the user's own (IsOwnFolder); when none is, the last one tried, which
// the start refuses; empty when there is no home at all.
std::string ProgramFolder();
