#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "data/catalogue/catalogue_names.h"

namespace tarvo {

namespace db {
class Connection;
}

// Runs the SQL of the parameter stores: the global parameters `gparametri` of the catalogue on the
// catalogue connection, the local ones `parametar` on the connection of the open company's pr database.
// Keys and values are escaped into the statements. A write of a key longer than the 30 characters of the
// key column throws std::invalid_argument: the server would cut it onto another key.
class TDistributerParametara {
public:
    explicit TDistributerParametara(db::Connection& global, CatalogueNames names = {});

    // The connection whose current database is the open company's pr database; none until one is open.
    void setLocalConnection(db::Connection* local) { local_ = local; }
    const CatalogueNames& names() const { return names_; }

    // `parametar` of the local connection's database, read by SQL; "" when the key has no row.
    std::string readLocal(std::string_view key);
    // Writes a local parameter into the `parametar` of the named database (inserting it when missing).
    void writeIntoDatabase(const std::string& database, std::string_view key, std::string_view value);

    std::optional<std::string> findGlobal(std::string_view key);
    std::string readGlobal(std::string_view key);
    // Inserts or updates the key; unlike uGlobPar this writes also in port mode.
    void writeGlobal(std::string_view key, std::string_view value);
    // The stored value; a missing key is written with the default and the default is returned (or, when
    // another program wrote the key meanwhile, its value). Write failures are not reported.
    std::string getOrCreateGlobal(std::string_view key, std::string_view defaultValue);

    // A text longer than one row: wrapped into lines of at most 100 characters (breaking after tab, blank,
    // ",", "-" and ".") and stored as rows key + "0", key + "1", ... Rows of the key are replaced as a
    // whole; an empty text removes them. Throws std::invalid_argument when the row keys would not fit.
    void writeGlobalLines(std::string_view key, std::string_view text);
    // The rows key + digits in the order of their number, each followed by one blank; "" when none.
    std::string readGlobalLines(std::string_view key);

private:
    db::Connection& requireLocal();
    std::string gparametri() const;
    std::string linesCondition(std::string_view key) const;

    db::Connection& global_;
    db::Connection* local_ = nullptr;
    CatalogueNames names_;
};

}  // namespace tarvo
