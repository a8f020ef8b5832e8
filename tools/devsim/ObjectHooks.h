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
    // Work the SET's answer waits for, started once every binding of the SET took its value: it
    // calls finish exactly once (at once or later from the agent loop) with 0, or with the error
    // status the SET then fails with.
    std::function<void(Object&, std::function<void(int status)> finish)> answerLater;
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
