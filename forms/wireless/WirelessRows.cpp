// Function-local statics, so that the option-list pointers are taken on first use. The per-radio
// tables differ only in the instance, so each is built from one text pattern.
#include "forms/wireless/WirelessRows.h"

#include "app/mib/MibOptionLists.h"

#include <array>
#include <string>

#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {
namespace {

struct RowSpec {
    std::string Oid;
    const char* Name;
    int32_t Syntax;
    uint32_t Access;
    NxOptionList* Options = nullptr;
};

// Static storage for tables built at run time: the OID texts live beside the rows.
template <size_t N> struct BuiltTable {
    std::array<std::string, N> Oids;
    std::array<VarDef, N + 1> Rows;
    explicit BuiltTable(const std::array<RowSpec, N>& specs) {
        for (size_t i = 0; i < N; ++i) {
            Oids[i] = specs[i].Oid;
            Rows[i] = Row(Oids[i].c_str(), specs[i].Name, specs[i].Syntax, specs[i].Access, specs[i].Options);
        }
        Rows[N] = EndOfRows();
    }
};

std::string Inst(int band) {
    return "." + std::to_string(band == 2 ? 2 : 1);
}

// One slot column of both radios: radio 1 slots first..last, then radio 2. Slots of a radio the
// model lacks must stay out of reads, so columns that are read start out invalid.
template <size_t N>
std::array<RowSpec, N> Slots(const std::string& column, const char* name, int32_t syntax, int first,
                             NxOptionList* options = nullptr, uint32_t access = ACC_INVALID) {
    std::array<RowSpec, N> specs;
    const size_t perBand = N / 2;
    for (size_t i = 0; i < N; ++i) {
        const int band = i < perBand ? 1 : 2;
        const int slot = first + int(i % perBand);
        specs[i] = {column + "." + std::to_string(band) + "." + std::to_string(slot), name, syntax, access,
                    options};
    }
    return specs;
}

} // namespace

const VarDef* bSecAccountMode_to_bSecAccountPort(int band) {
    auto build = [](int b) {
        return std::array<RowSpec, 3>{{
            {E ".2.1.1.1.17" + Inst(b), "bSecAccountMode", SYN_INTEGER, ACC_READWRITE,
             bSecAccountModeOptions()},
            {E ".2.1.1.1.18" + Inst(b), "bSecAccountServer", SYN_DISPLAYSTR, ACC_READWRITE},
            {E ".2.1.1.1.19" + Inst(b), "bSecAccountPort", SYN_INTEGER, ACC_READWRITE},
        }};
    };
    static const BuiltTable<3> first(build(1));
    static const BuiltTable<3> second(build(2));
    return (band == 2 ? second : first).Rows.data();
}

const VarDef* bSecBakAccountServer_to_bSecBakAccountStatus(int band) {
    auto build = [](int b) {
        return std::array<RowSpec, 3>{{
            {E ".2.1.1.1.21" + Inst(b), "bSecBakAccountServer", SYN_DISPLAYSTR, ACC_READWRITE},
            {E ".2.1.1.1.22" + Inst(b), "bSecBakAccountPort", SYN_INTEGER, ACC_READWRITE},
            {E ".2.1.1.1.23" + Inst(b), "bSecBakAccountStatus", SYN_INTEGER, ACC_READWRITE,
             bSecBakAccountStatusOptions()},
        }};
    };
    static const BuiltTable<3> first(build(1));
    static const BuiltTable<3> second(build(2));
    return (band == 2 ? second : first).Rows.data();
}

const VarDef* bSecBakRADIUSServer_to_bSecBakRADIUSStatus() {
    static const VarDef rows[] = {
        Row(E ".2.1.8", "bSecBakRADIUSServer", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".2.1.9", "bSecBakRADIUSPort", SYN_INTEGER, ACC_READWRITE),
        Row(E ".2.1.10", "bSecBakRADIUSSecret", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".2.1.11", "bSecBakRADIUSStatus", SYN_INTEGER, ACC_READWRITE, bSecBakRADIUSStatusOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* bWepKeyValue() {
    static const BuiltTable<8> table(Slots<8>(E ".2.1.3.1.2", "bWepKeyValue", SYN_DISPLAYSTR, 1));
    return table.Rows.data();
}

const VarDef* bWdsRemoteMacAddress() {
    static const BuiltTable<16> table(Slots<16>(E ".2.1.2.1.2", "bWdsRemoteMacAddress", SYN_MACADDRESS, 1));
    return table.Rows.data();
}

const VarDef* adMSSIDEncryption() {
    static const BuiltTable<14> table(Slots<14>(E ".3.4.3.1.5", "adMSSIDEncryption", SYN_INTEGER, 2,
                                                adMSSIDEncryptionOptions(), ACC_READWRITE));
    return table.Rows.data();
}

const VarDef* adMSSIDAuth() {
    static const BuiltTable<14> table(
        Slots<14>(E ".3.4.3.1.4", "adMSSIDAuth", SYN_INTEGER, 2, adMSSIDAuthOptions(), ACC_READWRITE));
    return table.Rows.data();
}

const VarDef* bSecRADIUSPort_bSecGroupKeyUpdateInterval() {
    static const VarDef rows[] = {
        Row(E ".2.1.5", "bSecRADIUSPort", SYN_INTEGER, ACC_INVALID),
        Row(E ".2.1.1.1.14.2", "bSecGroupKeyUpdateInterval", SYN_INTEGER, ACC_INVALID),
        EndOfRows(),
    };
    return rows;
}

const VarDef* bRefresha_bRefreshg() {
    static const VarDef rows[] = {
        Row(E ".2.1.7.1.1.1.1", "bRefresha", SYN_INTEGER, ACC_READWRITE, bRefreshaOptions()),
        Row(E ".2.1.7.1.1.1.2", "bRefreshg", SYN_INTEGER, ACC_READWRITE, bRefreshaOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* SiteTable(int band) {
    auto build = [](int b) {
        const std::string i = Inst(b);
        return std::array<RowSpec, 9>{{
            {E ".2.1.7.2.1.1" + i, " Index", SYN_INTEGER, ACC_NOTACCESS},
            {E ".2.1.7.2.1.2" + i, " Type", SYN_DISPLAYSTR, ACC_READONLY},
            {E ".2.1.7.2.1.3" + i, " Channel", SYN_INTEGER, ACC_READONLY},
            {E ".2.1.7.2.1.4" + i, " Signal (%)", SYN_INTEGER, ACC_READONLY},
            {E ".2.1.7.2.1.5" + i, " BSSID", SYN_MACADDRESS, ACC_READONLY},
            {E ".2.1.7.2.1.6" + i, " Security", SYN_DISPLAYSTR, ACC_READONLY},
            {E ".2.1.7.2.1.7" + i, " SSID", SYN_DISPLAYSTR, ACC_READONLY},
            {E ".2.1.7.2.1.8" + i, " Band", SYN_INTEGER, ACC_READONLY, BandOptions()},
            {E ".2.1.7.2.1.9" + i, "bSiteSupportWDS", SYN_INTEGER, ACC_READONLY},
        }};
    };
    static const BuiltTable<9> first(build(1));
    static const BuiltTable<9> second(build(2));
    return (band == 2 ? second : first).Rows.data();
}

const VarDef* multioverwdsconsistent() {
    static const VarDef rows[] = {
        Row(E ".3.1.1.16.1", "multioverwdsconsistent", SYN_INTEGER, ACC_READWRITE,
            multioverwdsconsistentOptions()),
        EndOfRows(),
    };
    return rows;
}

} // namespace MibRows
