#include "data/db/value.h"

#include <charconv>
#include <cstdlib>

namespace tarvo::db {

long long Value::asInt() const {
    if (null_ || text_.empty()) return 0;
    long long result = 0;
    const char* begin = text_.data();
    const char* end = begin + text_.size();
    while (begin < end && *begin == ' ') ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, result);
    if (ec == std::errc() && (ptr == end || *ptr != '.')) return result;
    return static_cast<long long>(asDouble());
}

double Value::asDouble() const {
    if (null_ || text_.empty()) return 0.0;
    return std::strtod(text_.c_str(), nullptr);
}

}  // namespace tarvo::db
