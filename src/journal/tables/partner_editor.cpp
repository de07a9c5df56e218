#include "journal/tables/partner_editor.h"

#include "data/db/bulk_loader.h"
#include "data/db/connection.h"
#include "data/db/dataset.h"
#include "data/db/error.h"
#include "journal/tables/next_code.h"
#include "util/sqltext.h"
#include "util/strings.h"

namespace tarvo::tables {

PartnerEditor::PartnerEditor(db::Dataset& partners, db::Connection& connection, UserPrompt& prompt)
    : TableEditor(partners, connection, prompt,
                  {kCaption,
                   {"id", "id2", "naziv", "pttbroj", "mjesto", "ulica", "telefon", "fax", "email", "porbroj",
                    "identbroj", "popust", "rokpldana", "drzava", "oblast", "racun", "dob_kuf"},
                   {}}) {}

void PartnerEditor::newRecordDefaults() {
    dataset().setField("oblast", db::Value("FBiH"));
    dataset().setField("dob_kuf", db::Value("u PDV"));
    dataset().setField("rokpldana", db::Value("7"));
    dataset().setField("drzava", db::Value("BiH"));
}

std::optional<SaveRefusal> PartnerEditor::refusalBeforeSave() {
    const std::string table = dataset().tableName();
    const std::string id2 = dataset().asString("id2");
    // Partners without a secondary code are many; only a code that is there must be unique.
    if (!trimmed(id2).empty()) {
        std::string sql = "select id from " + db::quoteQualified(table) + " where";
        if (!inserting()) sql += " id<>" + std::to_string(dataset().asInt("id")) + " and";
        sql += " id2=\"" + escapeSqlString(id2) + "\"";
        try {
            if (!connection().query(sql).empty())
                return SaveRefusal{"Ažuriranje nemoguće:\n\rVeć postoji partner sa istom ID2 šifrom!\n\rTabela:" + table,
                                   "id2"};
        } catch (const db::DbError& error) {
            return SaveRefusal{error.what(), "id2"};
        }
    }
    if (identBrojObavezan_ && trimmed(dataset().asString("identbroj")).empty())
        return SaveRefusal{kIdentBrojMissing, "identbroj"};
    return std::nullopt;
}

void PartnerEditor::afterReturn() {
    try {
        dataset().setIndexFields("naziv");
    } catch (const db::DbError& error) {
        report(error);
    }
}

std::string PartnerEditor::nextFreeId2(std::string_view typed) {
    try {
        return nextFreeCode(connection(), dataset().tableName(), "id2", typed);
    } catch (const db::DbError& error) {
        report(error);
        return std::string(typed);
    }
}

}  // namespace tarvo::tables
