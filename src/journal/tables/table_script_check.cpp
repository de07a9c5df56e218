#include "journal/tables/table_script_check.h"

#include <cctype>

#include "util/utf8.h"

namespace tarvo::tables {
namespace {

enum class Verdict { Neutral, Target, Foreign };

// Reads words and table names from the start of one statement.
class StatementReader {
public:
    explicit StatementReader(std::string_view text) : text_(unwrapVersionComment(text)) {}

    std::string word() {
        skipSpace();
        std::string out;
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_++])));
        return out;
    }
    // Takes the word when it is next.
    bool accept(std::string_view expected) {
        const size_t saved = pos_;
        if (word() == expected) return true;
        pos_ = saved;
        return false;
    }
    // A plain or `quoted` name; nothing when the next token is no name or is qualified by a database.
    std::optional<std::string> tableName() {
        skipSpace();
        std::string name;
        if (pos_ < text_.size() && text_[pos_] == '`') {
            for (++pos_; pos_ < text_.size(); ++pos_) {
                if (text_[pos_] == '`') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '`') {
                        name += '`';
                        ++pos_;
                        continue;
                    }
                    break;
                }
                name += text_[pos_];
            }
            if (pos_ >= text_.size()) return std::nullopt;
            ++pos_;
        } else {
            while (pos_ < text_.size() &&
                   (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_' || text_[pos_] == '$'))
                name += text_[pos_++];
        }
        skipSpace();
        if (name.empty() || (pos_ < text_.size() && text_[pos_] == '.')) return std::nullopt;
        return name;
    }
    // The rest of the statement lists further tables.
    bool restHasComma() const { return text_.find(',', pos_) != std::string_view::npos; }
    bool mentions(std::string_view upperWord) const {
        return utf8Upper(text_).find(upperWord) != std::string::npos;
    }

private:
    // "/*!40101 SET NAMES utf8 */" is run by the server as "SET NAMES utf8".
    static std::string_view unwrapVersionComment(std::string_view text) {
        if (text.substr(0, 3) != "/*!" || text.size() < 5 || text.substr(text.size() - 2) != "*/") return text;
        text = text.substr(3, text.size() - 5);
        while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
        return text;
    }
    void skipSpace() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

Verdict namedTable(StatementReader& reader, std::string_view table, bool single) {
    const std::optional<std::string> name = reader.tableName();
    if (!name || *name != table || (single && reader.restHasComma())) return Verdict::Foreign;
    return Verdict::Target;
}

Verdict verdictOf(std::string_view statement, std::string_view table) {
    StatementReader reader(statement);
    const std::string first = reader.word();
    if (first == "SET") return reader.mentions("GLOBAL") || reader.mentions("PASSWORD") ? Verdict::Foreign : Verdict::Neutral;
    if (first == "UNLOCK") return reader.accept("TABLES") ? Verdict::Neutral : Verdict::Foreign;
    if (first == "LOCK") return reader.accept("TABLES") ? namedTable(reader, table, true) : Verdict::Foreign;
    if (first == "DROP") {
        if (!reader.accept("TABLE")) return Verdict::Foreign;
        if (reader.accept("IF") && !reader.accept("EXISTS")) return Verdict::Foreign;
        return namedTable(reader, table, true);
    }
    if (first == "CREATE") {
        if (!reader.accept("TABLE")) return Verdict::Foreign;
        if (reader.accept("IF") && !(reader.accept("NOT") && reader.accept("EXISTS"))) return Verdict::Foreign;
        return namedTable(reader, table, false);
    }
    if (first == "ALTER") {
        reader.accept("ONLINE");
        reader.accept("IGNORE");
        return reader.accept("TABLE") ? namedTable(reader, table, false) : Verdict::Foreign;
    }
    if (first == "INSERT" || first == "REPLACE") {
        for (const char* option : {"LOW_PRIORITY", "DELAYED", "HIGH_PRIORITY", "IGNORE", "INTO"}) reader.accept(option);
        return namedTable(reader, table, false);
    }
    return Verdict::Foreign;
}

std::string excerpt(std::string_view statement) {
    constexpr size_t kShown = 120;
    return utf8Length(statement) <= kShown ? std::string(statement) : utf8Substr(statement, 0, kShown) + "...";
}

}  // namespace

std::optional<std::string> refusalForTableScript(const std::vector<std::string>& statements, std::string_view table) {
    bool touchesTable = false;
    for (const std::string& statement : statements) {
        switch (verdictOf(statement, table)) {
            case Verdict::Foreign:
                return "Fajl sadrži naredbu koja se ne odnosi samo na tabelu " + std::string(table) + ":\n" +
                       excerpt(statement);
            case Verdict::Target: touchesTable = true; break;
            case Verdict::Neutral: break;
        }
    }
    if (!touchesTable) return "Fajl ne sadrži podatke tabele " + std::string(table) + "!";
    return std::nullopt;
}

}  // namespace tarvo::tables
