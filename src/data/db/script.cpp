#include "data/db/script.h"

#include <algorithm>
#include <cctype>

#include "data/db/connection.h"
#include "data/db/error.h"

namespace tarvo::db {
namespace {

bool isBlank(std::string_view text) {
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string trimmed(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return std::string(text.substr(begin, end - begin));
}

bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() <= word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
    return text[word.size()] == ' ' || text[word.size()] == '\t';
}

}  // namespace

void ScriptSplitter::feed(std::string_view chunk) {
    buffer_.append(chunk);
    process(false);
}

void ScriptSplitter::finish() {
    process(true);
    emit();
}

void ScriptSplitter::emit() {
    std::string statement = trimmed(current_);
    current_.clear();
    if (!statement.empty()) sink_(std::move(statement));
}

// Handles a DELIMITER line at the start of a statement. Returns false when the line is not complete yet.
bool ScriptSplitter::takeDelimiterLine(size_t& i, bool final) {
    size_t start = i;
    while (start < buffer_.size() && (buffer_[start] == ' ' || buffer_[start] == '\t')) ++start;
    size_t newline = buffer_.find('\n', start);
    if (newline == std::string::npos && !final) return false;
    std::string line = trimmed(std::string_view(buffer_).substr(start, newline == std::string::npos
                                                                            ? std::string::npos
                                                                            : newline - start));
    std::string delimiter = trimmed(std::string_view(line).substr(9));
    delimiter_ = delimiter.empty() ? std::string(1, ';') : std::move(delimiter);
    i = newline == std::string::npos ? buffer_.size() : newline + 1;
    return true;
}

void ScriptSplitter::process(bool final) {
    const size_t lookahead = std::max<size_t>(3, delimiter_.size());
    size_t i = 0;
    while (i < buffer_.size()) {
        if (!final && buffer_.size() - i < lookahead) break;
        const char c = buffer_[i];
        const char next = i + 1 < buffer_.size() ? buffer_[i + 1] : '\0';
        switch (state_) {
            case State::Normal:
                // A DELIMITER line can only be recognised once its first word is complete.
                if (!final && lineStart_ && buffer_.size() - i < 10 && isBlank(current_)) goto done;
                if (lineStart_ && isBlank(current_) && c != '\n' &&
                    startsWithWord(std::string_view(buffer_).substr(i, 10), "delimiter")) {
                    if (!takeDelimiterLine(i, final)) goto done;
                    continue;
                }
                if (c == '\'' || c == '"' || c == '`') {
                    state_ = State::Quote;
                    quote_ = c;
                    current_ += c;
                    lineStart_ = false;
                    ++i;
                } else if (c == '#') {
                    state_ = State::LineComment;
                    ++i;
                } else if (c == '-' && next == '-' &&
                           (i + 2 >= buffer_.size() || std::isspace(static_cast<unsigned char>(buffer_[i + 2])))) {
                    state_ = State::LineComment;
                    i += 2;
                } else if (c == '/' && next == '*') {
                    state_ = State::BlockComment;
                    keepComment_ = i + 2 < buffer_.size() && buffer_[i + 2] == '!';
                    if (keepComment_) current_ += "/*";
                    i += 2;
                } else if (buffer_.compare(i, delimiter_.size(), delimiter_) == 0) {
                    emit();
                    i += delimiter_.size();
                } else {
                    if (c == '\n') lineStart_ = true;
                    else if (!std::isspace(static_cast<unsigned char>(c))) lineStart_ = false;
                    if (c != '\r') current_ += c;
                    ++i;
                }
                break;
            case State::Quote:
                current_ += c;
                ++i;
                if (escaped_) {
                    escaped_ = false;
                } else if (c == '\\' && quote_ != '`') {
                    escaped_ = true;
                } else if (c == quote_) {
                    if (next == quote_) {
                        current_ += next;
                        ++i;
                    } else {
                        state_ = State::Normal;
                    }
                }
                break;
            case State::LineComment:
                if (c == '\n') {
                    state_ = State::Normal;
                    lineStart_ = true;
                    current_ += '\n';
                }
                ++i;
                break;
            case State::BlockComment:
                if (c == '*' && next == '/') {
                    if (keepComment_) current_ += "*/";
                    state_ = State::Normal;
                    i += 2;
                } else {
                    if (keepComment_) current_ += c;
                    ++i;
                }
                break;
        }
    }
done:
    buffer_.erase(0, i);
}

std::vector<std::string> splitScript(std::string_view script) {
    std::vector<std::string> statements;
    ScriptSplitter splitter([&](std::string statement) { statements.push_back(std::move(statement)); });
    splitter.feed(script);
    splitter.finish();
    return statements;
}

namespace {

ScriptSplitter::Sink runner(Connection& connection, OnError onError, std::vector<ScriptError>& errors) {
    return [&connection, onError, &errors](std::string statement) {
        try {
            connection.execute(statement);
        } catch (const DbError& error) {
            if (onError == OnError::Stop) throw;
            errors.push_back({std::move(statement), error.serverMessage()});
        }
    };
}

}  // namespace

std::vector<ScriptError> runScript(Connection& connection, std::string_view script, OnError onError) {
    std::vector<ScriptError> errors;
    ScriptSplitter splitter(runner(connection, onError, errors));
    splitter.feed(script);
    splitter.finish();
    return errors;
}

std::vector<ScriptError> runScript(Connection& connection, std::istream& in, OnError onError) {
    std::vector<ScriptError> errors;
    ScriptSplitter splitter(runner(connection, onError, errors));
    std::string chunk(1 << 16, '\0');
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        splitter.feed(std::string_view(chunk.data(), static_cast<size_t>(in.gcount())));
    }
    splitter.finish();
    return errors;
}

}  // namespace tarvo::db
