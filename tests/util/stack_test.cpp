#include "util/stack.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

std::shared_ptr<TStruktura> item(const char* type) {
    auto record = std::make_shared<TStruktura>();
    record->type = type;
    return record;
}

TEST(Stack, EmptyStack) {
    TStek stack;
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_EQ(stack.pop(), nullptr);
    EXPECT_EQ(stack.dump(), std::vector<std::string>{"PRAZAN STEK!"});
}

TEST(Stack, LastInFirstOutAndDump) {
    TStek stack;
    for (const char* type : {"dict", "array", "string"}) EXPECT_TRUE(stack.push(item(type)));
    EXPECT_EQ(stack.dump(), (std::vector<std::string>{"Index:0, TIP:dict", "Index:1, TIP:array", "Index:2, TIP:string"}));

    EXPECT_EQ(stack.pop()->type, "string");
    EXPECT_EQ(stack.pop()->type, "array");
    EXPECT_TRUE(stack.push(item("name")));
    EXPECT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.pop()->type, "name");
    EXPECT_EQ(stack.pop()->type, "dict");
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_EQ(stack.pop(), nullptr);
}

}  // namespace
}  // namespace tarvo
