#pragma once
// The partner editor's rules: defaults of a new partner, no two partners with one secondary code, the
// identification number when the company requires it, and "@" for the next free secondary code.
#include <string>
#include <string_view>

#include "journal/tables/table_editor.h"

namespace tarvo::tables {

class PartnerEditor : public TableEditor {
public:
    static constexpr const char* kCaption = "AŽURIRANJE PARTNERA";
    static constexpr const char* kIdentBrojMissing = "Ažuriranje nemoguće:\n\rNiste unijeli identifikacioni broj partnera!";

    PartnerEditor(db::Dataset& partners, db::Connection& connection, UserPrompt& prompt);

    // From the global parameter "identBrojPartneraObavezan".
    void setIdentBrojObavezan(bool on) { identBrojObavezan_ = on; }
    bool identBrojObavezan() const { return identBrojObavezan_; }

    // The secondary code "@" gives after the text typed so far.
    std::string nextFreeId2(std::string_view typed);

protected:
    void newRecordDefaults() override;
    std::optional<SaveRefusal> refusalBeforeSave() override;
    void afterReturn() override;

private:
    bool identBrojObavezan_ = false;
};

}  // namespace tarvo::tables
