#include "app/ModelCode.h"

#include "app/StartupGlobals.h"

std::string ModelCode() {
    return ModelName.size() >= 8 ? ModelName.substr(4, 4) : std::string();
}

bool SecondBandLive() {
    return ModelCode() == "6391";
}
