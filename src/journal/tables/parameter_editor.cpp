#include "journal/tables/parameter_editor.h"

#include "data/db/dataset.h"
#include "data/db/error.h"
#include "data/params/copy_parameter.h"

namespace tarvo::tables {

ParameterEditor::ParameterEditor(db::Dataset& parameters, db::Connection& connection, UserPrompt& prompt,
                                 CatalogueNames names, std::string prDatabase)
    : TableEditor(parameters, connection, prompt, {kCaption, {"id", "value"}, {}}),
      names_(std::move(names)),
      prDatabase_(std::move(prDatabase)) {}

std::optional<CopyToAllResult> ParameterEditor::kopirajUSveFirme(const CopyToAllProgress& progress) {
    if (editing() || !dataset().isOpen() || dataset().eof()) return std::nullopt;
    try {
        return copyParameterToAllCompanies(connection(), names_, prompt(), dataset().asString("id"), prDatabase_,
                                           progress);
    } catch (const db::DbError& error) {
        report(error);
        return std::nullopt;
    }
}

}  // namespace tarvo::tables
