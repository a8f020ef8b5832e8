#pragma once
// Behaviour beyond storing a value, keyed by object: action objects, computed values, checks.

#include "tools/devsim/ObjectStore.h"

#include <functional>
#include <map>

namespace devsim {

struct ObjectHooks {
    // Before a SET is accepted: an SNMP error status (0 accepts).
    std::function<int(const Object&, const Value&)> validate;
    // After every binding of a SET has been applied: side effects (restart, reset to "nothing").
    std::function<void(Object&)> commit;
    // Computes the value a read returns.
    std::function<Value(const Object&)> read;
};

class HookTable {
  public:
    void Add(const Oid& oid, ObjectHooks hooks) { hooks_[oid] = std::move(hooks); }
    const ObjectHooks* Find(const Oid& oid) const {
        auto it = hooks_.find(oid);
        return it == hooks_.end() ? nullptr : &it->second;
    }

  private:
    std::map<Oid, ObjectHooks> hooks_;
};

} // namespace devsim
