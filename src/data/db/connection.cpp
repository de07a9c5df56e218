#include "data/db/connection.h"

#include <mysql.h>

#include "data/db/error.h"

namespace tarvo::db {
namespace {

TypeClass typeClassOf(const MYSQL_FIELD& field) {
    switch (field.type) {
        case MYSQL_TYPE_TINY:
        case MYSQL_TYPE_SHORT:
        case MYSQL_TYPE_LONG:
        case MYSQL_TYPE_INT24:
        case MYSQL_TYPE_LONGLONG:
        case MYSQL_TYPE_YEAR:
        case MYSQL_TYPE_BIT:
            return TypeClass::Integer;
        case MYSQL_TYPE_DECIMAL:
        case MYSQL_TYPE_NEWDECIMAL:
            return field.decimals == 0 ? TypeClass::Integer : TypeClass::Float;
        case MYSQL_TYPE_FLOAT:
        case MYSQL_TYPE_DOUBLE:
            return TypeClass::Float;
        case MYSQL_TYPE_DATE:
        case MYSQL_TYPE_NEWDATE:
            return TypeClass::Date;
        case MYSQL_TYPE_DATETIME:
        case MYSQL_TYPE_TIMESTAMP:
            return TypeClass::DateTime;
        default:
            return TypeClass::Text;
    }
}

std::vector<Column> columnsOf(MYSQL_RES* result) {
    std::vector<Column> columns;
    unsigned count = mysql_num_fields(result);
    MYSQL_FIELD* fields = mysql_fetch_fields(result);
    columns.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        Column column;
        column.name = fields[i].name;
        column.type = typeClassOf(fields[i]);
        column.length = fields[i].length;
        column.decimals = fields[i].decimals;
        column.primaryKey = fields[i].flags & PRI_KEY_FLAG;
        column.autoIncrement = fields[i].flags & AUTO_INCREMENT_FLAG;
        column.notNull = fields[i].flags & NOT_NULL_FLAG;
        columns.push_back(std::move(column));
    }
    return columns;
}

struct ResultGuard {
    MYSQL_RES* result;
    ~ResultGuard() { if (result) mysql_free_result(result); }
};

}  // namespace

Connection::~Connection() { close(); }

Connection::Connection(Connection&& other) noexcept
    : handle_(other.handle_), params_(std::move(other.params_)), password_(std::move(other.password_)),
      affected_(other.affected_) {
    other.handle_ = nullptr;
}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = other.handle_;
        params_ = std::move(other.params_);
        password_ = std::move(other.password_);
        affected_ = other.affected_;
        other.handle_ = nullptr;
    }
    return *this;
}

void Connection::open(const ConnectionParams& params) {
    close();
    std::string lastError = "Nema lozinke za prijavu na server";
    unsigned lastCode = 0;
    for (const auto& password : params.passwords) {
        MYSQL* handle = mysql_init(nullptr);
        if (!handle) throw DbError("Nedovoljno memorije za vezu sa serverom");
        mysql_optionsv(handle, MYSQL_SET_CHARSET_NAME, "utf8mb4");
        mysql_optionsv(handle, MYSQL_INIT_COMMAND, "set sql_mode='NO_ENGINE_SUBSTITUTION'");
        unsigned timeout = 10;
        mysql_optionsv(handle, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
        if (params.port != 0) {
            unsigned protocol = MYSQL_PROTOCOL_TCP;
            mysql_optionsv(handle, MYSQL_OPT_PROTOCOL, &protocol);
        }
        const char* socket = params.port == 0 && !params.socket.empty() ? params.socket.c_str() : nullptr;
        const char* database = params.database.empty() ? nullptr : params.database.c_str();
        if (mysql_real_connect(handle, params.host.c_str(), params.user.c_str(), password.c_str(), database,
                               params.port, socket, CLIENT_MULTI_STATEMENTS | CLIENT_FOUND_ROWS)) {
            handle_ = handle;
            params_ = params;
            password_ = password;
            return;
        }
        lastError = mysql_error(handle);
        lastCode = mysql_errno(handle);
        mysql_close(handle);
        // Only a refused login is worth another password; anything else fails at once.
        if (lastCode != 1045 && lastCode != 1698) break;
    }
    throw DbError(lastError, {}, lastCode);
}

void Connection::close() {
    if (handle_) {
        mysql_close(handle_);
        handle_ = nullptr;
    }
}

MYSQL* Connection::require() const {
    if (!handle_) throw DbError("Veza sa serverom nije otvorena");
    return handle_;
}

void Connection::fail(std::string_view sql) const {
    throw DbError(mysql_error(handle_), std::string(sql), mysql_errno(handle_));
}

void Connection::sendQuery(std::string_view sql) {
    MYSQL* handle = require();
    if (mysql_real_query(handle, sql.data(), sql.size()) != 0) fail(sql);
}

void Connection::drainResults(std::string_view sql) {
    MYSQL* handle = handle_;
    for (;;) {
        if (MYSQL_RES* result = mysql_store_result(handle)) {
            mysql_free_result(result);
        } else if (mysql_field_count(handle) != 0) {
            fail(sql);
        } else {
            affected_ = mysql_affected_rows(handle);
        }
        int next = mysql_next_result(handle);
        if (next > 0) fail(sql);
        if (next < 0) break;
    }
}

unsigned long long Connection::execute(std::string_view sql) {
    sendQuery(sql);
    affected_ = 0;
    drainResults(sql);
    return affected_;
}

ResultSet Connection::query(std::string_view sql) {
    sendQuery(sql);
    // Rows are read as they arrive: a second, client-side copy of a large result would cost as much again.
    ResultGuard guard{mysql_use_result(handle_)};
    if (!guard.result) {
        if (mysql_field_count(handle_) != 0) fail(sql);
        drainResults(sql);
        return {};
    }
    std::vector<Column> columns = columnsOf(guard.result);
    const unsigned count = static_cast<unsigned>(columns.size());
    std::vector<Row> rows;
    while (MYSQL_ROW raw = mysql_fetch_row(guard.result)) {
        unsigned long* lengths = mysql_fetch_lengths(guard.result);
        Row row;
        row.reserve(count);
        for (unsigned i = 0; i < count; ++i) {
            if (raw[i]) row.emplace_back(raw[i], lengths[i]);
            else row.emplace_back();
        }
        rows.push_back(std::move(row));
    }
    if (mysql_errno(handle_) != 0) fail(sql);
    mysql_free_result(guard.result);
    guard.result = nullptr;
    // A statement sent together with others leaves further results behind.
    while (mysql_more_results(handle_)) {
        if (mysql_next_result(handle_) > 0) fail(sql);
        if (MYSQL_RES* extra = mysql_store_result(handle_)) mysql_free_result(extra);
    }
    return ResultSet(std::move(columns), std::move(rows));
}

void Connection::stream(std::string_view sql, const RowSink& onRow) {
    sendQuery(sql);
    ResultGuard guard{mysql_use_result(handle_)};
    if (!guard.result) {
        if (mysql_field_count(handle_) != 0) fail(sql);
        return;
    }
    std::vector<Column> columns = columnsOf(guard.result);
    Row row(columns.size());
    while (MYSQL_ROW raw = mysql_fetch_row(guard.result)) {
        unsigned long* lengths = mysql_fetch_lengths(guard.result);
        for (size_t i = 0; i < columns.size(); ++i)
            row[i] = raw[i] ? Value(raw[i], lengths[i]) : Value::null();
        onRow(columns, row);
    }
    if (mysql_errno(handle_) != 0) fail(sql);
}

std::string Connection::escape(std::string_view text) const {
    std::string out(text.size() * 2 + 1, '\0');
    unsigned long length = mysql_real_escape_string(require(), out.data(), text.data(), text.size());
    out.resize(length);
    return out;
}

unsigned long long Connection::lastInsertId() const { return mysql_insert_id(require()); }

unsigned Connection::warningCount() const { return mysql_warning_count(require()); }

void Connection::selectDatabase(const std::string& database) {
    if (mysql_select_db(require(), database.c_str()) != 0) fail("use " + database);
    params_.database = database;
}

std::string Connection::currentDatabase() {
    Value value = scalar("select database()");
    return value.asString();
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            connection_.rollback();
        } catch (const DbError&) {
            // The connection is gone; the server rolls back on its own.
        }
    }
}

void Transaction::commit() {
    connection_.commit();
    done_ = true;
}

DatabaseScope::DatabaseScope(Connection& connection)
    : connection_(connection), saved_(connection.currentDatabase()) {}

DatabaseScope::~DatabaseScope() {
    if (saved_.empty()) return;
    try {
        connection_.selectDatabase(saved_);
    } catch (const DbError&) {
        // Nothing sensible to do in a destructor; the next statement reports the broken connection.
    }
}

}  // namespace tarvo::db
