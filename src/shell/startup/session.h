#pragma once
#include <memory>
#include <optional>
#include <string>

#include "data/catalogue/catalogue_names.h"
#include "data/catalogue/dm_firma.h"
#include "data/company_year/tdatamodule1.h"
#include "data/selection/izbor_firme.h"
#include "journal/voucher_entry.h"
#include "journal/working_database.h"
#include "shell/startup/command_line.h"
#include "util/user_prompt.h"

namespace tarvo {

// The program-wide state of one run, in the order the program creates it: the company-year data, the
// catalogue, the working database, the current company and, once it is open, its voucher entry. The start-up steps that do not need a window live here.
class Session {
public:
    // `server` supplies what the command line does not: the address of the default server (a test's own).
    Session(UserPrompt& prompt, CommandLine commandLine, db::ConnectionParams server = {}, CatalogueNames names = {});
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    UserPrompt& prompt() { return prompt_; }
    const CommandLine& commandLine() const { return commandLine_; }
    TDataModule1& data() { return data_; }
    TDM_firma& catalogue() { return catalogue_; }
    TDMlokalni& working() { return working_; }
    // The current company; the settings may change its type and workbook paths.
    TFirma& company() { return company_; }
    // The voucher entry of the open company year (after openCompany).
    VoucherEntry& entry() { return *entry_; }
    // Settings of the voucher entry as the parameter stores hold them now.
    JournalSettings journalSettings();
    bool terminating() const { return terminating_; }
    void terminate() { terminating_ = true; }

    // Connects the catalogue and creates what every start needs (`ex`, its tables and roles, the working
    // database). False, after the message, when the server cannot be reached.
    bool connectCatalogue();
    // The command-line choice made through the same steps as the window. An unknown company id or a bad
    // year stops the start with a message: never another company's books.
    std::optional<TFirma> autoSelect(IzborFirme& selection);
    // Opens the chosen company year: names and hosts into the data module, connections of the data module
    // and of the working database, their tables, the posting-line sort list, the voucher entry. False
    // (terminating) after the message when anything fails.
    bool openCompany(const TFirma& firma);
    // Closing is refused while a voucher is open; otherwise the three connections are closed.
    bool FormCloseQuery(bool voucherPanelVisible);

    static const char* tableOpenFailureMessage();

private:
    UserPrompt& prompt_;
    CommandLine commandLine_;
    TDataModule1 data_;
    TDM_firma catalogue_;
    TDMlokalni working_;
    TFirma company_;
    std::unique_ptr<VoucherEntry> entry_;
    bool terminating_ = false;
};

}  // namespace tarvo
