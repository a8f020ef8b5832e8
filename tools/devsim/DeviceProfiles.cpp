#include "tools/devsim/DeviceProfiles.h"

namespace devsim {

namespace {
const Oid kDevice = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4};

Oid Under(std::initializer_list<unsigned long> rest) {
    Oid oid = kDevice;
    oid.insert(oid.end(), rest);
    return oid;
}
} // namespace

std::vector<Oid> ProfileOmissions(const std::string& name) {
    if (name == "priority")
        return {Under({3, 4, 4}), Under({3, 4, 3, 1, 13}), Under({3, 4, 3, 1, 14}), Under({3, 4, 3, 1, 15}),
                Under({3, 4, 3, 1, 16})};
    return {};
}

} // namespace devsim
