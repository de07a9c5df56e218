#pragma once

// A stack of shared records; the PDF reader keeps its open structures on one.

#include <memory>
#include <string>
#include <vector>

namespace tarvo {

struct TStruktura {
    int number1 = 0;
    int number2 = 0;
    std::string type;  // the item's type name, shown by the dump
    std::string text1;
    std::string text2;
    std::shared_ptr<void> reference;
    bool flag = false;
};

class TStek {
public:
    bool isEmpty() const { return top_ < 1; }
    int count() const { return top_; }

    // False when the item array cannot grow.
    bool push(std::shared_ptr<TStruktura> item);
    // The top item, removed; null when the stack is empty.
    std::shared_ptr<TStruktura> pop();

    // "PRAZAN STEK!" when empty, otherwise "Index:<n>, TIP:<type>" for each item from the bottom up.
    std::vector<std::string> dump() const;

private:
    std::vector<std::shared_ptr<TStruktura>> items_;  // grows on demand, never shrinks
    int top_ = 0;
    int bottom_ = 0;
};

}  // namespace tarvo
