#pragma once
// The device's objects in SNMP order, with the groups left out and the objects refused for tests.

#include "tools/devsim/DataFile.h"

#include <map>
#include <optional>
#include <vector>

namespace devsim {

struct Object {
    Oid oid;
    Access access = Access::ReadOnly;
    Value value;
    Value initial; // what a write-only object reads back as
};

class ObjectStore {
  public:
    // Throws DataFileError on an OID given twice.
    void Load(const std::vector<ObjectDef>& defs);

    // Only objects outside every omitted prefix are seen.
    Object* Find(const Oid& oid);
    Object* Next(const Oid& after);
    bool HasObjectBelow(const Oid& prefix) const;

    void Omit(const Oid& prefix);
    void Restore(const Oid& prefix);
    bool IsOmitted(const Oid& oid) const;

    // A failure applies to every object under its OID; the longest match wins.
    void Fail(const Oid& prefix, int status);
    void Unfail(const Oid& prefix);
    std::optional<int> FailureOf(const Oid& oid) const;
    // A SET of exactly this object with this integer value is refused; other values are taken.
    void RefuseValue(const Oid& oid, int64_t value, int status);
    void Unrefuse(const Oid& oid);
    std::optional<int> RefusalOf(const Oid& oid, int64_t value) const;

    // The distinct first `depth` arcs of all objects, omitted or not.
    std::vector<Oid> Branches(size_t depth) const;

    size_t Size() const { return objects_.size(); }

  private:
    std::map<Oid, Object> objects_; // std::vector's ordering of sub-identifiers is SNMP order
    std::vector<Oid> omitted_;
    std::map<Oid, int> failures_;
    std::map<std::pair<Oid, int64_t>, int> refusals_;
};

} // namespace devsim
