#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo::db {

// One cell as it came from the server: text with a NULL mark. Conversions follow what callers expect:
// NULL reads as "", 0 or 0.0.
class Value {
public:
    Value() = default;
    static Value null() { return Value(); }
    Value(std::string text) : text_(std::move(text)), null_(false) {}
    Value(const char* text) : text_(text), null_(false) {}
    Value(const char* data, size_t size) : text_(data, size), null_(false) {}

    bool isNull() const { return null_; }
    const std::string& asString() const { return text_; }
    long long asInt() const;
    double asDouble() const;
    bool operator==(const Value& other) const = default;

private:
    std::string text_;
    bool null_ = true;
};

enum class TypeClass { Integer, Float, Date, DateTime, Text };

struct Column {
    std::string name;
    TypeClass type = TypeClass::Text;
    unsigned long length = 0;  // display length the server reports
    unsigned decimals = 0;
    bool primaryKey = false;
    bool autoIncrement = false;
    bool notNull = false;
    bool isNumeric() const { return type == TypeClass::Integer || type == TypeClass::Float; }
};

}  // namespace tarvo::db
