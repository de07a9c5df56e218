#pragma once
// The editor of the company's local parameters, with "kopiraj stavku u sve firme".
#include <optional>
#include <string>

#include "data/catalogue/catalogue_names.h"
#include "data/copy_to_all.h"
#include "journal/tables/table_editor.h"

namespace tarvo::tables {

class ParameterEditor : public TableEditor {
public:
    static constexpr const char* kCaption = "AŽURIRANJE  PARAMETARA";

    // `prDatabase` is the company's common database, whose `parametar` the data set shows.
    ParameterEditor(db::Dataset& parameters, db::Connection& connection, UserPrompt& prompt, CatalogueNames names,
                    std::string prDatabase);

    // Copies the current parameter into the parameter table of every other company; nothing without a
    // current parameter or when the copy was refused or not confirmed.
    std::optional<CopyToAllResult> kopirajUSveFirme(const CopyToAllProgress& progress = {});

private:
    CatalogueNames names_;
    std::string prDatabase_;
};

}  // namespace tarvo::tables
