#pragma once
#include <string>

#include "data/db/connection.h"

namespace tarvo::test {

// Connection settings of the private server that the test run started (TARVO_TEST_SERVER_DIR).
db::ConnectionParams serverParams();
db::Connection connect(const std::string& database = {});

// A database of the test's own, created empty and dropped at the end.
class ScratchDatabase {
public:
    explicit ScratchDatabase(const std::string& hint = "t");
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const std::string& name() const { return name_; }
    // A fresh connection with this database selected.
    db::Connection connect() const { return test::connect(name_); }

private:
    std::string name_;
};

// A name unique to this test process, for databases and tables.
std::string uniqueName(const std::string& hint);

}  // namespace tarvo::test
