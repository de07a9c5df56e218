#pragma once
#include <optional>
#include <string>
#include <vector>

#include "data/catalogue/dm_firma.h"
#include "data/catalogue/firma.h"

namespace tarvo {

// The company-and-year choice, without its window: the window and the command-line path drive the
// same steps, so that choosing from the command line never depends on widgets.
class IzborFirme {
public:
    struct Company {
        std::string naziv;
        int id = 0;
        int tgodina = 0;
    };
    enum class Option {
        radijeBirajFirmuKucanjemSifre,
        printToTxt,
        nalogKoristiID2,
        partnerKoristiID2,
        maksimizirajIzbFirme,
        skloniStareFirme,
    };

    // The catalogue must be connected (TDM_firma::srediKonekciju); reads the options of the list.
    explicit IzborFirme(TDM_firma& catalogue);

    // Companies with a current-year database; companies missing in `firma` come back as "xxx" with a
    // message naming them.
    void ucitajListu();
    const std::vector<Company>& companies() const { return companies_; }
    // The selected row; nothing while the list is empty.
    std::optional<size_t> currentRow() const { return current_; }
    // Selects a row and offers its years (newest first), with its current year preselected.
    void selectRow(size_t row);
    const std::vector<int>& years() const { return years_; }
    const std::string& companyCode() const { return companyCode_; }
    const std::string& yearText() const { return yearText_; }
    void setYearText(std::string text) { yearText_ = std::move(text); }

    // Leaving the company-code field: selects the company with that id. A text that is not a positive id
    // of a listed company resets the field to "1" and returns false (the focus stays there).
    bool companyCodeExit(const std::string& text);
    // "Nastavi dalje": the chosen company with its database names and hosts. Nothing (with a message) when
    // no company is listed or the year is not a number.
    std::optional<TFirma> confirm();
    // "ARHIVSKI PODACI": the archived data last restored, on the x_ databases (created when missing).
    TFirma openArchive();

    bool sortById() const { return sortColumn_ == "id"; }
    void setSortById(bool byId);
    // "zapamti izbor".
    void rememberSort();
    bool option(Option option) const;
    void setOption(Option option, bool on);
    const std::string& oldCompanyThreshold() const { return threshold_; }
    // The answer of "Definiši kada je firma \"stara\"": a year; anything else is refused with a message.
    bool setOldCompanyThreshold(const std::string& text);

private:
    static const char* keyOf(Option option);
    std::string condition() const;

    TDM_firma& catalogue_;
    std::vector<Company> companies_;
    std::optional<size_t> current_;
    std::optional<db::Dataset> allDatabases_;  // every company's years, newest first
    std::vector<int> years_;
    std::string companyCode_ = "1";
    std::string yearText_;
    std::string sortColumn_ = "naziv";
    std::string threshold_;
    std::vector<bool> options_;
};

}  // namespace tarvo
