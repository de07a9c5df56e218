#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class TFirma;

// The database names that stand in for the role placeholders #db_fin#, #db_mat#, #db_op# and #db_pr#.
struct RoleNames {
    std::string fin, mat, op, pr;
    static RoleNames of(const TFirma& firma);
};

// Database prefixes ("name.") of tables borrowed from another company; empty when not borrowed.
struct SharedTablePrefixes {
    std::string artikal, konto, partner;
};

// A report key: "#" + key + "#" is replaced by the value. A value is escaped for an SQL literal unless it
// is an SQL fragment the program built itself (`raw`).
struct SqlKey {
    std::string key;
    std::string value;
    bool raw = false;
};

// "#db_pr#.artikal", " artikal " and " artikal)" (likewise konto under #db_fin#, partner under #db_pr#)
// point at the prefix.
std::string applySharedTablePrefixes(std::string_view sql, const SharedTablePrefixes& prefixes);
// Every key in order; a value may hold role placeholders or the placeholder of a later key.
std::string substituteKeys(std::string_view sql, const std::vector<SqlKey>& keys);
// The four role placeholders, case-sensitively.
std::string substituteRoles(std::string_view sql, const RoleNames& roles);

// The whole substitution of stored SQL, in the order stored definitions rely on: prefixes, keys, roles.
std::string substituteSql(std::string_view sql, const SharedTablePrefixes& prefixes, const std::vector<SqlKey>& keys,
                          const RoleNames& roles);

// The prefix of a table borrowed from company `setting`: the own database name with "_" + own id + "_"
// replaced by "_" + setting + "_", and ".". Empty for archived data and for the settings "" and "0".
// Throws std::invalid_argument when the setting is not a company number.
std::string sharedTablePrefix(std::string_view ownDatabase, int ownCompanyId, std::string_view setting, bool archived);

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace tarvo
