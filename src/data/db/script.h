#pragma once
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::db {

class Connection;

// Cuts an SQL script into statements: quotes and their escapes, "--", "#" and "/* */" comments (dropped),
// "/*! */" comments (kept: the server reads them), DELIMITER lines and CR LF line ends. Text may arrive
// in chunks of any size, so that large files stream.
class ScriptSplitter {
public:
    using Sink = std::function<void(std::string statement)>;
    explicit ScriptSplitter(Sink sink) : sink_(std::move(sink)) {}
    void feed(std::string_view chunk);
    // Emits the text after the last delimiter, if any.
    void finish();

private:
    enum class State { Normal, Quote, LineComment, BlockComment };
    void process(bool final);
    bool takeDelimiterLine(size_t& i, bool final);
    void emit();

    Sink sink_;
    std::string delimiter_ = ";";
    std::string buffer_;   // text not examined yet (kept back for lookahead)
    std::string current_;  // the statement so far
    State state_ = State::Normal;
    char quote_ = 0;
    bool escaped_ = false;
    bool keepComment_ = false;
    bool lineStart_ = true;
};

std::vector<std::string> splitScript(std::string_view script);

struct ScriptError {
    std::string statement;
    std::string message;
};

enum class OnError { Stop, Continue };

// Runs every statement; with OnError::Stop the first failure throws DbError, otherwise failures are collected.
std::vector<ScriptError> runScript(Connection& connection, std::string_view script, OnError onError);
std::vector<ScriptError> runScript(Connection& connection, std::istream& in, OnError onError);

}  // namespace tarvo::db
