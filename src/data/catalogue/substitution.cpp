#include "data/catalogue/substitution.h"

#include <algorithm>
#include <stdexcept>

#include "data/catalogue/firma.h"
#include "data/catalogue/identifiers.h"
#include "util/sqltext.h"
#include "util/strings.h"

namespace tarvo {
namespace {

std::string applyPrefix(std::string text, std::string_view placeholder, std::string_view table,
                        const std::string& prefix) {
    if (prefix.empty()) return text;
    const std::string name(table);
    text = replaceAll(text, std::string(placeholder) + "." + name, prefix + name);
    text = replaceAll(text, " " + name + " ", " " + prefix + name + " ");
    return replaceAll(text, " " + name + ")", " " + prefix + name + ")");
}

}  // namespace

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t start = 0;
    for (size_t hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, start)) {
        out.append(text.substr(start, hit - start));
        out.append(to);
        start = hit + from.size();
    }
    out.append(text.substr(start));
    return out;
}

RoleNames RoleNames::of(const TFirma& firma) { return {firma.db_fin, firma.db_mat, firma.db_op, firma.db_pr}; }

std::string applySharedTablePrefixes(std::string_view sql, const SharedTablePrefixes& prefixes) {
    std::string text = applyPrefix(std::string(sql), "#db_pr#", "artikal", prefixes.artikal);
    text = applyPrefix(std::move(text), "#db_fin#", "konto", prefixes.konto);
    return applyPrefix(std::move(text), "#db_pr#", "partner", prefixes.partner);
}

std::string substituteKeys(std::string_view sql, const std::vector<SqlKey>& keys) {
    std::string text(sql);
    for (const SqlKey& key : keys)
        text = replaceAll(text, "#" + key.key + "#", key.raw ? key.value : escapeSqlString(key.value));
    return text;
}

std::string substituteRoles(std::string_view sql, const RoleNames& roles) {
    std::string text = replaceAll(sql, "#db_fin#", roles.fin);
    text = replaceAll(text, "#db_mat#", roles.mat);
    text = replaceAll(text, "#db_op#", roles.op);
    return replaceAll(text, "#db_pr#", roles.pr);
}

std::string substituteSql(std::string_view sql, const SharedTablePrefixes& prefixes, const std::vector<SqlKey>& keys,
                          const RoleNames& roles) {
    return substituteRoles(substituteKeys(applySharedTablePrefixes(sql, prefixes), keys), roles);
}

std::string sharedTablePrefix(std::string_view ownDatabase, int ownCompanyId, std::string_view setting, bool archived) {
    const std::string company = trimmed(setting);
    if (archived || company.empty() || company == "0") return {};
    const bool number = std::all_of(company.begin(), company.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!number) throw std::invalid_argument("Neispravna šifra firme: \"" + company + "\"");
    const std::string own = "_" + std::to_string(ownCompanyId) + "_";
    const std::string other = replaceAll(ownDatabase, own, "_" + company + "_");
    requireDatabaseName(other);
    return other + ".";
}

}  // namespace tarvo
