#pragma once
#include <optional>
#include <string>
#include <vector>

#include "data/db/result_set.h"

namespace tarvo {

namespace db {
class Connection;
}

// The pick list of posted vouchers, "IZBOR POSTOJEĆEG DOKUMENTA": the books' vouchers newest first,
// optionally of one type only. It returns a voucher id only when a row is chosen.
class TForm8 {
public:
    static constexpr const char* kCaption = "IZBOR POSTOJEĆEG DOKUMENTA";

    struct VoucherType {
        long long id;
        std::string opis;
    };

    TForm8(db::Connection& connection, std::string books);

    // On first show: reads the vouchers and selects the first row.
    void FormActivate();
    // The types for the list of the group "vrsta naloga", by `opis`.
    std::vector<VoucherType> vrsteNaloga();
    // The check box "izdvoji" with the type chosen in the list; the rows are read again when the condition changes.
    void setIzdvoji(bool izdvoji, std::optional<long long> vnalid);

    const std::string& uslov() const { return uslov_; }
    const std::string& poredak() const { return poredak_; }
    std::string statement() const;
    // Columns: vnalid, vrstaNaloga, brojNaloga, datum, opis, ukDug, ukPot, id, oznaka.
    const db::ResultSet& rows() const { return rows_; }

    std::optional<size_t> selectedRow() const { return selected_; }
    // Nothing, or a row number past the end, clears the selection.
    void selectRow(std::optional<size_t> row);
    // Enter or a double click: the chosen voucher's id; nothing (the list stays open) without a chosen row.
    std::optional<long long> accept();
    // The result after the list closed: the accepted id, nothing after Esc.
    std::optional<long long> chosenId() const { return chosen_; }
    void cancel() { chosen_.reset(); }

private:
    void reload();

    db::Connection& connection_;
    std::string books_;
    std::string uslov_ = "True";
    std::string poredak_ = "datum desc,oznaka desc,vnalid desc";
    db::ResultSet rows_;
    std::optional<size_t> selected_;
    std::optional<long long> chosen_;
};

}  // namespace tarvo
