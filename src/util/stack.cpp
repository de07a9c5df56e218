#include "util/stack.h"

#include <new>

#include <fmt/format.h>

namespace tarvo {

bool TStek::push(std::shared_ptr<TStruktura> item) {
    const auto slot = static_cast<std::size_t>(top_);
    if (slot == items_.size()) {
        try {
            items_.push_back(std::move(item));
        } catch (const std::bad_alloc&) {
            return false;
        }
    } else {
        items_[slot] = std::move(item);
    }
    ++top_;
    return true;
}

std::shared_ptr<TStruktura> TStek::pop() {
    if (isEmpty()) return nullptr;
    --top_;
    return std::move(items_[static_cast<std::size_t>(top_)]);
}

std::vector<std::string> TStek::dump() const {
    if (isEmpty()) return {"PRAZAN STEK!"};
    std::vector<std::string> lines;
    for (int i = bottom_; i < top_; ++i) {
        const auto& item = items_[static_cast<std::size_t>(i)];
        lines.push_back(fmt::format("Index:{}, TIP:{}", i, item ? item->type : std::string()));
    }
    return lines;
}

}  // namespace tarvo
