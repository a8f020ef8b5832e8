#pragma once
// The rows a handler's steps picked to send, for each request whose rows they choose. The write of
// such a request sends only its picked rows of those under choice; the others are left out of that
// one write, so every row keeps the access its reads need.
#include "library/snmp/NxSNMPRequest2Controls.h"
#include "library/snmp/RowsLeftOut.h"

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class RowPicks {
  public:
    void Clear() { Choices_.clear(); }
    // Of `rows` (every row when none are given), the request's next writes send only those picked
    // from here on: nothing, until a pick.
    void Choose(const NxSNMPRequest2Controls* request, std::vector<int> rows = {}) {
        if (request)
            Choices_[&request->Request.VarList] = {std::move(rows), {}};
    }
    void Pick(const NxSNMPRequest2Controls* request, int row) {
        if (Choice* choice = Find(request))
            choice->Picked.insert(row);
    }
    void Drop(const NxSNMPRequest2Controls* request, int row) {
        if (Choice* choice = Find(request))
            choice->Picked.erase(row);
    }
    bool AnyPicked(const NxSNMPRequest2Controls* request) const {
        const Choice* choice = Find(request);
        return choice && !choice->Picked.empty();
    }
    // Held around the request's write; null for a request whose rows are not chosen.
    std::unique_ptr<RowsLeftOut> LeaveOutUnpicked(NxSNMPRequest2Controls& request) const {
        const Choice* choice = Find(&request);
        if (!choice)
            return nullptr;
        NxSNMPVarList& list = request.Request.VarList;
        std::vector<int> others;
        auto consider = [&](int row) {
            if (!choice->Picked.count(row))
                others.push_back(row);
        };
        if (choice->Rows.empty())
            for (int row = 0; row < list.RowCount(); ++row)
                consider(row);
        for (int row : choice->Rows)
            consider(row);
        return std::make_unique<RowsLeftOut>(list, others);
    }

  private:
    struct Choice {
        std::vector<int> Rows; // under choice; empty: all
        std::set<int> Picked;
    };
    const Choice* Find(const NxSNMPRequest2Controls* request) const {
        if (!request)
            return nullptr;
        auto it = Choices_.find(&request->Request.VarList);
        return it == Choices_.end() ? nullptr : &it->second;
    }
    Choice* Find(const NxSNMPRequest2Controls* request) {
        return const_cast<Choice*>(std::as_const(*this).Find(request));
    }
    std::map<const NxSNMPVarList*, Choice> Choices_;
};
