#include "tools/devsim/ObjectStore.h"

#include <algorithm>

namespace devsim {

void ObjectStore::Load(const std::vector<ObjectDef>& defs) {
    for (const auto& d : defs) {
        Object o{d.oid, d.access, d.value, d.value};
        if (!objects_.emplace(d.oid, o).second)
            throw DataFileError("object given twice: " + FormatOid(d.oid));
    }
}

Object* ObjectStore::Find(const Oid& oid) {
    auto it = objects_.find(oid);
    if (it == objects_.end() || IsOmitted(oid))
        return nullptr;
    return &it->second;
}

Object* ObjectStore::Next(const Oid& after) {
    for (auto it = objects_.upper_bound(after); it != objects_.end(); ++it)
        if (!IsOmitted(it->first))
            return &it->second;
    return nullptr;
}

bool ObjectStore::HasObjectBelow(const Oid& prefix) const {
    for (auto it = objects_.lower_bound(prefix); it != objects_.end() && OidStartsWith(it->first, prefix);
         ++it)
        if (!IsOmitted(it->first))
            return true;
    return false;
}

std::vector<Oid> ObjectStore::Branches(size_t depth) const {
    std::vector<Oid> out;
    for (const auto& [oid, object] : objects_) {
        Oid b(oid.begin(), oid.begin() + static_cast<long>(std::min(depth, oid.size())));
        if (out.empty() || out.back() != b)
            out.push_back(b);
    }
    return out;
}

void ObjectStore::Omit(const Oid& prefix) {
    if (std::find(omitted_.begin(), omitted_.end(), prefix) == omitted_.end())
        omitted_.push_back(prefix);
}

void ObjectStore::Restore(const Oid& prefix) {
    omitted_.erase(std::remove(omitted_.begin(), omitted_.end(), prefix), omitted_.end());
}

bool ObjectStore::IsOmitted(const Oid& oid) const {
    return std::any_of(omitted_.begin(), omitted_.end(), [&](const Oid& p) { return OidStartsWith(oid, p); });
}

void ObjectStore::Fail(const Oid& prefix, int status) {
    failures_[prefix] = status;
}

void ObjectStore::Unfail(const Oid& prefix) {
    failures_.erase(prefix);
}

void ObjectStore::RefuseValue(const Oid& oid, int64_t value, int status) {
    refusals_[{oid, value}] = status;
}

void ObjectStore::Unrefuse(const Oid& oid) {
    for (auto it = refusals_.begin(); it != refusals_.end();)
        it = it->first.first == oid ? refusals_.erase(it) : std::next(it);
}

std::optional<int> ObjectStore::RefusalOf(const Oid& oid, int64_t value) const {
    const auto it = refusals_.find({oid, value});
    return it == refusals_.end() ? std::nullopt : std::optional<int>(it->second);
}

std::optional<int> ObjectStore::FailureOf(const Oid& oid) const {
    std::optional<int> found;
    size_t best = 0;
    for (const auto& [prefix, status] : failures_) {
        if (OidStartsWith(oid, prefix) && (!found || prefix.size() > best)) {
            found = status;
            best = prefix.size();
        }
    }
    return found;
}

} // namespace devsim
