#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/db/result_set.h"

struct st_mysql;

namespace tarvo::db {

struct ConnectionParams {
    std::string host = "localhost";
    unsigned port = 0;                  // 0: the client default; any port forces TCP
    std::string user = "root";
    std::vector<std::string> passwords{""};  // tried in order until one is accepted
    std::string database;               // empty: none selected
    std::string socket;                 // used only when no port is given
};

// One session with the server. Every session uses utf8mb4 and the lenient SQL mode the stored SQL is written for.
class Connection {
public:
    Connection() = default;
    explicit Connection(const ConnectionParams& params) { open(params); }
    ~Connection();
    Connection(Connection&&) noexcept;
    Connection& operator=(Connection&&) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Tries the passwords in order; throws DbError with the last server message when none works.
    void open(const ConnectionParams& params);
    void close();
    bool isOpen() const { return handle_ != nullptr; }
    const ConnectionParams& params() const { return params_; }
    // The password the server accepted.
    const std::string& password() const { return password_; }

    // One statement, or several separated by ";": every result is drained and discarded, the first error
    // throws. Returns the affected rows of the last statement.
    unsigned long long execute(std::string_view sql);
    // A statement that returns rows, fetched whole.
    ResultSet query(std::string_view sql);
    Value scalar(std::string_view sql) { return query(sql).scalar(); }
    // Rows one at a time, without holding the whole result (for dumps of large tables).
    using RowSink = std::function<void(const std::vector<Column>& columns, const Row& row)>;
    void stream(std::string_view sql, const RowSink& onRow);

    std::string escape(std::string_view text) const;
    unsigned long long lastInsertId() const;
    unsigned long long affectedRows() const { return affected_; }
    unsigned warningCount() const;

    void selectDatabase(const std::string& database);
    std::string currentDatabase();

    void begin() { execute("start transaction"); }
    void commit() { execute("commit"); }
    void rollback() { execute("rollback"); }

private:
    st_mysql* require() const;
    void sendQuery(std::string_view sql);
    void drainResults(std::string_view sql);
    [[noreturn]] void fail(std::string_view sql) const;

    st_mysql* handle_ = nullptr;
    ConnectionParams params_;
    std::string password_;
    unsigned long long affected_ = 0;
};

// Rolls back on scope exit unless committed.
class Transaction {
public:
    explicit Transaction(Connection& connection) : connection_(connection) { connection_.begin(); }
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Connection& connection_;
    bool done_ = false;
};

// Restores the connection's current database on scope exit.
class DatabaseScope {
public:
    explicit DatabaseScope(Connection& connection);
    ~DatabaseScope();
    DatabaseScope(const DatabaseScope&) = delete;
    DatabaseScope& operator=(const DatabaseScope&) = delete;

private:
    Connection& connection_;
    std::string saved_;
};

}  // namespace tarvo::db
