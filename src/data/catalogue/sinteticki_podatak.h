#pragma once
#include <string>

#include "util/arrays.h"

namespace tarvo {

// A value addressed by a spreadsheet cell such as "AB7": the row as written (1-based) and the column
// counted from 0 (A = 0, Z = 25, AA = 26, ...). Letters are case-insensitive.
class TSintetickiPodatak {
public:
    // Throws std::invalid_argument naming the reference when it is not letters followed by digits.
    TSintetickiPodatak(std::string celija, Value vrijednost);

    const std::string& celija() const { return celija_; }
    const Value& vrijednost() const { return vrijednost_; }
    int red() const { return red_; }
    int kolona() const { return kolona_; }

private:
    std::string celija_;
    Value vrijednost_;
    int red_ = 0;
    int kolona_ = 0;
};

}  // namespace tarvo
