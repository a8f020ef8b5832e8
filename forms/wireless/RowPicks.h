#pragma once
// The rows an Apply's steps picked to send, for each request whose rows they choose. The write of
// such a request sends only its picked rows; the others are left out of that one write, so every
// row keeps the access its reads need.
#include "library/snmp/NxSNMPRequest2Controls.h"
#include "library/snmp/RowsLeftOut.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

class RowPicks {
  public:
    void Clear() { Picked_.clear(); }
    // The request's next write sends only what is picked from here on (nothing, until a pick).
    void Choose(const NxSNMPRequest2Controls* request) {
        if (request)
            Picked_[&request->Request.VarList].clear();
    }
    void Pick(const NxSNMPRequest2Controls* request, int row) {
        if (request)
            Picked_[&request->Request.VarList].insert(row);
    }
    void Drop(const NxSNMPRequest2Controls* request, int row) {
        if (!request)
            return;
        auto it = Picked_.find(&request->Request.VarList);
        if (it != Picked_.end())
            it->second.erase(row);
    }
    // Held around the request's write; null for a request whose rows are not chosen.
    std::unique_ptr<RowsLeftOut> LeaveOutUnpicked(NxSNMPRequest2Controls& request) const {
        NxSNMPVarList& list = request.Request.VarList;
        auto it = Picked_.find(&list);
        if (it == Picked_.end())
            return nullptr;
        std::vector<int> others;
        for (int row = 0; row < list.RowCount(); ++row)
            if (!it->second.count(row))
                others.push_back(row);
        return std::make_unique<RowsLeftOut>(list, others);
    }

  private:
    std::map<const NxSNMPVarList*, std::set<int>> Picked_;
};
