#include "util/arrays.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "util/numbers.h"

namespace tarvo {

double Value::toNumber() const {
    if (const auto* integer = std::get_if<long long>(&data_)) return static_cast<double>(*integer);
    if (const auto* floating = std::get_if<double>(&data_)) return *floating;
    if (const auto* text = std::get_if<std::string>(&data_)) return parseAmount(*text, false);
    throw std::invalid_argument("Vrijednost nije broj.");
}

bool operator==(const Value& a, const Value& b) {
    if (a.isNumber() && b.isNumber()) {
        const auto* x = std::get_if<long long>(&a.data_);
        const auto* y = std::get_if<long long>(&b.data_);
        if (x && y) return *x == *y;
        return a.toNumber() == b.toNumber();
    }
    if (a.isNull() || b.isNull() || a.data_.index() != b.data_.index()) return false;
    return a.data_ == b.data_;
}

ValueArray newVariantArray(int count, int lowerBound) {
    return ValueArray{lowerBound, std::vector<Value>(static_cast<std::size_t>(std::max(count, 0)))};
}

void appendVariant(ValueArray& array, Value value) { array.items.push_back(std::move(value)); }

void appendInt(ValueArray& array, long long number) { array.items.emplace_back(number); }

void appendMatrixRow(TMatrica& matrix, Row row) { matrix.push_back(std::move(row)); }

int indexOfInt(const ValueArray& array, long long number) {
    const Value wanted(number);
    for (int i = array.lowerBound; i <= array.upperBound(); ++i)
        if (array[i] == wanted) return i;
    return -1;
}

int findRowByColumn(const TMatrica& matrix, const Value& value, int column) {
    if (column < 0) return -1;
    for (std::size_t i = 1; i < matrix.size(); ++i) {
        const Row& row = matrix[i];
        if (static_cast<std::size_t>(column) < row.size() && row[static_cast<std::size_t>(column)] == value)
            return static_cast<int>(i);
    }
    return -1;
}

namespace {

double sortKey(const Value& element, int column) {
    if (column < 0) return element.toNumber();
    if (!element.isRow()) throw std::invalid_argument("Element niza nije red.");
    return element.row().at(static_cast<std::size_t>(column)).toNumber();
}

// Sorts elements[first..] by their keys; all keys are read before anything moves.
template <typename Element, typename KeyOf>
void sortByKey(std::vector<Element>& elements, std::size_t first, bool descending, KeyOf keyOf) {
    if (first >= elements.size()) return;
    std::vector<double> keys;
    keys.reserve(elements.size() - first);
    for (std::size_t i = first; i < elements.size(); ++i) keys.push_back(descending ? -keyOf(elements[i]) : keyOf(elements[i]));

    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });

    std::vector<Element> sorted;
    sorted.reserve(order.size());
    for (std::size_t index : order) sorted.push_back(std::move(elements[first + index]));
    std::move(sorted.begin(), sorted.end(), elements.begin() + static_cast<std::ptrdiff_t>(first));
}

}  // namespace

void sortVariantRows(ValueArray& rows, int column, bool descending) {
    sortByKey(rows.items, 0, descending, [column](const Value& element) { return sortKey(element, column); });
}

TMatrica sortMatrixRows(const TMatrica& matrix, int column, bool descending) {
    TMatrica sorted = matrix;
    if (sorted.size() < 3) return sorted;
    sortByKey(sorted, 1, descending, [column](const Row& row) {
        if (column < 0) throw std::invalid_argument("Red matrice nema kolonu -1.");
        return row.at(static_cast<std::size_t>(column)).toNumber();
    });
    return sorted;
}

}  // namespace tarvo
