// The simulator's data for the shared objects must answer every row the tables declare, with the
// wire type the row's syntax expects.
#include "app/mib/MibRowTables.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

namespace {

std::map<std::string, std::string> ReadTypes() {
    const char* root = std::getenv("KTX_SOURCE_DIR");
    std::map<std::string, std::string> types;
    if (root == nullptr) {
        return types;
    }
    std::ifstream in(std::string(root) + "/tools/devsim/data/shared-objects.txt");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string oid, type;
        if (words >> oid >> type && oid[0] != '#') {
            types[oid] = type;
        }
    }
    return types;
}

const char* WireType(int32_t syntax) {
    switch (syntax) {
    case SYN_INTEGER:
        return "integer";
    case SYN_DISPLAYSTR:
        return "displaystr";
    case SYN_IPADDRESS:
        return "ipaddress";
    case SYN_MACADDRESS:
        return "macaddress";
    default:
        return "?";
    }
}

TEST(SharedObjectsData, AnswersEveryDeclaredRowWithItsType) {
    const std::map<std::string, std::string> types = ReadTypes();
    ASSERT_FALSE(types.empty()) << "data file missing";
    for (int t = 0; t < MibRows::TableCount(); ++t) {
        const VarDef* rows = MibRows::TableAt(t).Rows();
        for (int i = 0; rows[i].OID != nullptr; ++i) {
            if (std::strcmp(rows[i].OID, " ") == 0) {
                continue; // no object of its own
            }
            const std::string oid = rows[i].OID;
            SCOPED_TRACE(oid + " " + rows[i].Name);
            // As written (radio instance), with ".0" (scalar), or with row instances (column).
            auto hit = types.find(oid);
            if (hit == types.end()) {
                hit = types.find(oid + ".0");
            }
            if (hit == types.end()) {
                hit = types.lower_bound(oid + ".");
                if (hit != types.end() && hit->first.rfind(oid + ".", 0) != 0) {
                    hit = types.end();
                }
            }
            ASSERT_NE(hit, types.end());
            EXPECT_EQ(hit->second, WireType(rows[i].Syntax));
        }
    }
}

} // namespace
