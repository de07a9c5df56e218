#pragma once
#include <array>
#include <optional>
#include <string_view>

namespace tarvo {

// The four database roles every company year has; their ids and names are fixed in `ex.vbaze`.
enum class DbRole { Pr = 1, Fin = 2, Mat = 3, Op = 4 };

struct RoleInfo {
    DbRole role;
    int vbid;
    std::string_view naziv;        // `vbaze.naziv`, the first part of a company database's name
    std::string_view placeholder;  // replaced by the database name in stored SQL
    std::string_view tableSetRole; // how the table-set lists write the role
};

// In vbid order: pr, fin, mat, op.
const std::array<RoleInfo, 4>& databaseRoles();
const RoleInfo& roleInfo(DbRole role);
std::optional<DbRole> roleOfVbid(int vbid);
// A role is known by the first two letters of its name: "pr", "fi", "ma", "op".
std::optional<DbRole> roleOfName(std::string_view nameOrTableSetRole);

}  // namespace tarvo
