#pragma once
#include <stdexcept>
#include <string>

namespace tarvo::db {

// A failure of the server or of the data layer: carries the server's own text and the statement that failed.
class DbError : public std::runtime_error {
public:
    DbError(std::string message, std::string statement = {}, unsigned code = 0)
        : std::runtime_error(statement.empty() ? message : message + "\nKOMANDA: " + statement),
          message_(std::move(message)), statement_(std::move(statement)), code_(code) {}

    const std::string& serverMessage() const { return message_; }
    const std::string& statement() const { return statement_; }
    unsigned code() const { return code_; }

private:
    std::string message_;
    std::string statement_;
    unsigned code_;
};

}  // namespace tarvo::db
