#include "forms/network/MultiRows.h"

#include "app/mib/MibOptionLists.h"
#include "app/mib/MibRowTables.h"

#include <algorithm>
#include <array>

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MultiRows {

namespace {
constexpr int kSharedColumns = 13;
constexpr int kPriorityColumns = 4;
} // namespace

const VarDef* bSecGroupKeyUpdateInterval() {
    static const VarDef rows[] = {
        Row(E ".2.1.1.1.14.1", "bSecGroupKeyUpdateInterval", SYN_INTEGER, ACC_INVALID),
        Row(E ".2.1.1.1.14.2", "bSecGroupKeyUpdateInterval", SYN_INTEGER, ACC_INVALID),
        EndOfRows(),
    };
    return rows;
}

const VarDef* ifIndex_to_adMSSIDPriority() {
    static const auto rows = [] {
        std::array<VarDef, kSharedColumns + kPriorityColumns + 1> all{};
        const VarDef* shared = MibRows::ifIndex_to_adMSSIDSuppress();
        std::copy(shared, shared + kSharedColumns, all.begin());
        all[kSharedColumns + 0] =
            Row(E ".3.4.3.1.13", "adMSSIDWmm", SYN_INTEGER, ACC_READWRITE, adMSSIDWmmOptions());
        all[kSharedColumns + 1] = Row(E ".3.4.3.1.14", "adMSSIDdyVlanState", SYN_INTEGER, ACC_READWRITE,
                                      adMSSIDdyVlanStateOptions());
        all[kSharedColumns + 2] = Row(E ".3.4.3.1.15", "adMSSIDEthernetWithoutTag", SYN_INTEGER,
                                      ACC_READWRITE, adMSSIDEthernetWithoutTagOptions());
        all[kSharedColumns + 3] = Row(E ".3.4.3.1.16", "adMSSIDPriority", SYN_INTEGER, ACC_READWRITE);
        all[kSharedColumns + kPriorityColumns] = EndOfRows();
        return all;
    }();
    return rows.data();
}

} // namespace MultiRows
