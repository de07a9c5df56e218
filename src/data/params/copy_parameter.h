#pragma once
#include <optional>
#include <string>

#include "data/catalogue/catalogue_names.h"
#include "data/copy_to_all.h"

namespace tarvo {

class UserPrompt;

namespace db {
class Connection;
}

// Copies one local parameter from a company year's pr database into the pr databases of every other
// registered company year, after the question "Promjene obuhvataju N baza. Nastaviti?". Refuses (with a
// message) when the source has no row for the key. Each target's row is replaced in one statement, so a
// target keeps its row when the copy fails there; failures are logged and listed in the closing
// "Kopiranje završeno!". Nothing when refused or not confirmed.
std::optional<CopyToAllResult> copyParameterToAllCompanies(db::Connection& connection, const CatalogueNames& names,
                                                           UserPrompt& prompt, const std::string& key,
                                                           const std::string& sourceDatabase,
                                                           const CopyToAllProgress& progress = {});

}  // namespace tarvo
