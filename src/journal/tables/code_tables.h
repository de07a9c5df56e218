#pragma once
// The editors of the company year's code tables: chart of accounts, voucher types, partners and local
// parameters, each on its data set of the company-year data module.
#include <memory>

#include "data/catalogue/catalogue_names.h"
#include "journal/tables/parameter_editor.h"
#include "journal/tables/partner_editor.h"
#include "journal/tables/table_editor.h"

namespace tarvo {
class TDataModule1;
}

namespace tarvo::tables {

inline constexpr const char* kKontoCaption = "AŽURIRANJE KONTA";
inline constexpr const char* kVrstaNalCaption = "AŽURIRANJE VRSTA NALOGA";

// `konto` of the finance database (or the chart borrowed from another company); printed as "KONTNI PLAN".
std::unique_ptr<TableEditor> kontoEditor(TDataModule1& data, UserPrompt& prompt);
// `vrstanal` of the finance database.
std::unique_ptr<TableEditor> vrstaNalEditor(TDataModule1& data, UserPrompt& prompt);
// `partner` of the common database (or the list borrowed from another company).
std::unique_ptr<PartnerEditor> partnerEditor(TDataModule1& data, UserPrompt& prompt);
// `parametar` of the common database.
std::unique_ptr<ParameterEditor> parameterEditor(TDataModule1& data, UserPrompt& prompt, const CatalogueNames& names);

}  // namespace tarvo::tables
