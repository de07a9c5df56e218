#include "journal/tables/code_tables.h"

#include "data/company_year/tdatamodule1.h"

namespace tarvo::tables {

std::unique_ptr<TableEditor> kontoEditor(TDataModule1& data, UserPrompt& prompt) {
    return std::make_unique<TableEditor>(data.MyTable_konto(), data.MyConnection2(), prompt,
                                         TableEditorSetup{kKontoCaption, {"id", "naziv"}, "KONTNI PLAN"});
}

std::unique_ptr<TableEditor> vrstaNalEditor(TDataModule1& data, UserPrompt& prompt) {
    return std::make_unique<TableEditor>(data.MyTable_vrstanal(), data.MyConnection2(), prompt,
                                         TableEditorSetup{kVrstaNalCaption, {"id", "opis", "id2"}, {}});
}

std::unique_ptr<PartnerEditor> partnerEditor(TDataModule1& data, UserPrompt& prompt) {
    return std::make_unique<PartnerEditor>(data.MyTable_partner(), data.MyConnection1(), prompt);
}

std::unique_ptr<ParameterEditor> parameterEditor(TDataModule1& data, UserPrompt& prompt, const CatalogueNames& names) {
    return std::make_unique<ParameterEditor>(data.MyTable_parametar(), data.MyConnection1(), prompt, names, data.db_pr);
}

}  // namespace tarvo::tables
