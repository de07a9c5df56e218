#pragma once
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tarvo::db {

class Connection;

// Writes the listed tables (every table of the database when the list is empty) as an SQL script:
// drop and create from the server's own definition, then batched multi-row inserts keeping ids and NULLs.
void dumpTables(Connection& connection, const std::string& database, const std::vector<std::string>& tables,
                std::ostream& out);

// Runs a script written by dumpTables or by mariadb-dump into the connection's current database,
// streaming; stops at the first failing statement (DbError). Afterwards the session settings a dump
// changes are put back, whether it succeeded or not.
void restoreDump(Connection& connection, std::istream& in);

}  // namespace tarvo::db
