#pragma once

// Loosely typed values in arrays and matrices, for lists that mix numbers, texts and dates.

#include <string>
#include <variant>
#include <vector>

#include "util/dates.h"

namespace tarvo {

class Value;
using Row = std::vector<Value>;

// Null, a number (integer or floating), a text, a date, or a row of values.
class Value {
public:
    Value() = default;
    Value(int number) : data_(static_cast<long long>(number)) {}
    Value(long long number) : data_(number) {}
    Value(double number) : data_(number) {}
    Value(std::string text) : data_(std::move(text)) {}
    Value(const char* text) : data_(std::string(text)) {}
    Value(Date date) : data_(date) {}
    Value(Row row) : data_(std::move(row)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool isNumber() const { return std::holds_alternative<long long>(data_) || std::holds_alternative<double>(data_); }
    bool isText() const { return std::holds_alternative<std::string>(data_); }
    bool isDate() const { return std::holds_alternative<Date>(data_); }
    bool isRow() const { return std::holds_alternative<Row>(data_); }

    // A number, or a text that reads as one (either decimal separator);
    // throws std::invalid_argument for anything else.
    double toNumber() const;
    // Throw std::bad_variant_access when the value holds something else.
    const std::string& text() const { return std::get<std::string>(data_); }
    Date date() const { return std::get<Date>(data_); }
    const Row& row() const { return std::get<Row>(data_); }

    // Numbers compare by value whatever their kind; texts, dates and rows only with their
    // own kind; null equals nothing, not even null. A number never equals a text ("7" != 7).
    friend bool operator==(const Value& a, const Value& b);

private:
    std::variant<std::monostate, long long, double, std::string, Date, Row> data_;
};

// An array of values with an explicit lower bound.
struct ValueArray {
    int lowerBound = 1;
    std::vector<Value> items;

    int count() const { return static_cast<int>(items.size()); }
    int upperBound() const { return lowerBound + count() - 1; }
    // Bounds-checked (std::out_of_range).
    Value& operator[](int index) { return items.at(static_cast<std::size_t>(index - lowerBound)); }
    const Value& operator[](int index) const { return items.at(static_cast<std::size_t>(index - lowerBound)); }
};

// Rows indexed from 0; many callers keep a header in row 0.
using TMatrica = std::vector<Row>;

// `count` null values with bounds lowerBound .. lowerBound + count - 1.
ValueArray newVariantArray(int count, int lowerBound);
void appendVariant(ValueArray& array, Value value);
void appendInt(ValueArray& array, long long number);
void appendMatrixRow(TMatrica& matrix, Row row);

// The index of the first element equal to `number`, or -1.
int indexOfInt(const ValueArray& array, long long number);
// The first row from row 1 on whose element in `column` equals `value`, or -1.
int findRowByColumn(const TMatrica& matrix, const Value& value, int column);

// Sorts the elements by the number in `column` of each element's row (column -1: by the
// elements themselves), ascending or descending. Equal keys keep their order. A key that is
// not a number throws std::invalid_argument and leaves the array as it was.
void sortVariantRows(ValueArray& rows, int column, bool descending);
// The matrix with rows 1.. sorted the same way; row 0 stays first.
TMatrica sortMatrixRows(const TMatrica& matrix, int column, bool descending);

}  // namespace tarvo
