#include "app/forms/ModelCode.h"

#include "app/forms/StartupGlobals.h"

namespace {
std::string& ModelOverride() {
    static std::string name;
    return name;
}
} // namespace

std::string ModelCode() {
    const std::string& name = ModelOverride().empty() ? ModelName : ModelOverride();
    return name.size() >= 8 ? name.substr(4, 4) : std::string();
}

void SetModelNameForTests(const std::string& modelName) {
    ModelOverride() = modelName;
}

bool SecondBandLive() {
    return ModelCode() == "6391";
}
