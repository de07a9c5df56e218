#include "util/arrays.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(ValueArrays, BoundsAndAppending) {
    ValueArray array = newVariantArray(3, 1);
    EXPECT_EQ(array.lowerBound, 1);
    EXPECT_EQ(array.upperBound(), 3);
    EXPECT_TRUE(array[3].isNull());
    EXPECT_THROW(array[0], std::out_of_range);

    appendInt(array, 42);
    appendVariant(array, "tekst");
    EXPECT_EQ(array.upperBound(), 5);
    EXPECT_EQ(array[4].toNumber(), 42);
    EXPECT_EQ(array[5].text(), "tekst");
}

TEST(ValueArrays, Equality) {
    EXPECT_EQ(Value(7), Value(7.0));
    EXPECT_NE(Value(7), Value("7"));
    EXPECT_NE(Value(), Value());
    EXPECT_EQ(Value("a"), Value("a"));
    using namespace std::chrono;
    EXPECT_EQ(Value(year(2024) / March / 1), Value(year(2024) / March / 1));
    EXPECT_NE(Value(Row{1, 2}), Value(Row{1, 3}));
}

TEST(ValueArrays, IndexOfInt) {
    ValueArray array = newVariantArray(0, 1);
    for (long long id : {5, 9, 9}) appendInt(array, id);
    appendVariant(array, "11");
    EXPECT_EQ(indexOfInt(array, 9), 2);
    EXPECT_EQ(indexOfInt(array, 5), 1);
    EXPECT_EQ(indexOfInt(array, 11), -1);
    EXPECT_EQ(indexOfInt(array, 4), -1);
}

TEST(Matrix, FindRowByColumnSkipsTheHeader) {
    TMatrica matrix;
    appendMatrixRow(matrix, {"konto", "iznos"});
    appendMatrixRow(matrix, {"2020", 10.5});
    appendMatrixRow(matrix, {"konto", 3});
    EXPECT_EQ(findRowByColumn(matrix, "konto", 0), 2);
    EXPECT_EQ(findRowByColumn(matrix, 10.5, 1), 1);
    EXPECT_EQ(findRowByColumn(matrix, "2020", 5), -1);
    EXPECT_EQ(findRowByColumn(matrix, "4320", 0), -1);
}

TEST(Sorting, VariantRowsStableBothWays) {
    ValueArray rows = newVariantArray(0, 1);
    appendVariant(rows, Row{"a", 3});
    appendVariant(rows, Row{"b", 1});
    appendVariant(rows, Row{"c", "3"});
    appendVariant(rows, Row{"d", 2.5});

    sortVariantRows(rows, 1, false);
    std::string order;
    for (const Value& row : rows.items) order += row.row()[0].text();
    EXPECT_EQ(order, "bdac");

    sortVariantRows(rows, 1, true);
    order.clear();
    for (const Value& row : rows.items) order += row.row()[0].text();
    EXPECT_EQ(order, "acdb");
}

TEST(Sorting, ByTheElementsThemselvesAndBadKeys) {
    ValueArray values = newVariantArray(0, 1);
    for (Value v : {Value("10"), Value(9), Value(-1.5)}) appendVariant(values, v);
    sortVariantRows(values, -1, false);
    EXPECT_EQ(values[1].toNumber(), -1.5);
    EXPECT_EQ(values[3].text(), "10");

    appendVariant(values, "abc");
    const ValueArray before = values;
    EXPECT_THROW(sortVariantRows(values, -1, true), std::invalid_argument);
    for (int i = 1; i <= values.upperBound(); ++i) EXPECT_EQ(values[i], before[i]) << i;
}

TEST(Sorting, MatrixKeepsRowZeroFirst) {
    const TMatrica matrix = {{"naziv", 100}, {"x", 3}, {"y", 1}, {"z", 2}};
    const TMatrica ascending = sortMatrixRows(matrix, 1, false);
    ASSERT_EQ(ascending.size(), 4u);
    EXPECT_EQ(ascending[0][0].text(), "naziv");
    EXPECT_EQ(ascending[1][0].text(), "y");
    EXPECT_EQ(ascending[2][0].text(), "z");
    EXPECT_EQ(ascending[3][0].text(), "x");
    EXPECT_EQ(sortMatrixRows(matrix, 1, true)[1][0].text(), "x");

    const TMatrica small = {{"naziv", 100}, {"x", "nije broj"}};
    EXPECT_EQ(sortMatrixRows(small, 1, false)[1][1].text(), "nije broj");
}

}  // namespace
}  // namespace tarvo
