#include "data/catalogue/roles.h"

namespace tarvo {

const std::array<RoleInfo, 4>& databaseRoles() {
    static const std::array<RoleInfo, 4> roles{{
        {DbRole::Pr, 1, "prodaja", "#db_pr#", "pr"},
        {DbRole::Fin, 2, "finansije", "#db_fin#", "fin"},
        {DbRole::Mat, 3, "materijal", "#db_mat#", "mat"},
        {DbRole::Op, 4, "opl", "#db_op#", "op"},
    }};
    return roles;
}

const RoleInfo& roleInfo(DbRole role) { return databaseRoles()[static_cast<size_t>(role) - 1]; }

std::optional<DbRole> roleOfVbid(int vbid) {
    if (vbid < 1 || vbid > 4) return std::nullopt;
    return static_cast<DbRole>(vbid);
}

std::optional<DbRole> roleOfName(std::string_view name) {
    if (name.size() < 2) return std::nullopt;
    const std::string_view start = name.substr(0, 2);
    for (const RoleInfo& info : databaseRoles())
        if (info.naziv.substr(0, 2) == start) return info.role;
    return std::nullopt;
}

}  // namespace tarvo
