#pragma once
// Folders of the running program. Both end in "/".
#include <string>

std::string ExecutableFolder(); // the folder of the running executable
// Where the program keeps its received files (log, time-zone list): the executable's folder when
// it is writable, else $XDG_DATA_HOME/ktx7593ap (~/.local/share/ktx7593ap), created on demand.
std::string ProgramFolder();
