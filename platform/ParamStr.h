#pragma once
// The runtime's parameter list: the command line as the program was started, kept before the
// toolkit removes the options it takes for itself.
#include <string>
#include <vector>

void SetCommandLine(int argc, const char* const* argv);
void SetCommandLine(std::vector<std::string> arguments); // [0] is the program
int ParamCount();                                        // parameters after the program
std::string ParamStr(int index);                         // "" beyond the count
