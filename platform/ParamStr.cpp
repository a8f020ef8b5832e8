#include "platform/ParamStr.h"

namespace {
std::vector<std::string>& Arguments() {
    static std::vector<std::string> arguments;
    return arguments;
}
} // namespace

void SetCommandLine(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.emplace_back(argv[i] ? argv[i] : "");
    SetCommandLine(std::move(arguments));
}

void SetCommandLine(std::vector<std::string> arguments) {
    Arguments() = std::move(arguments);
}

int ParamCount() {
    return Arguments().empty() ? 0 : int(Arguments().size()) - 1;
}

std::string ParamStr(int index) {
    if (index < 0 || index >= int(Arguments().size()))
        return {};
    return Arguments()[size_t(index)];
}
