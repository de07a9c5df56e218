#include "data/catalogue/sinteticki_podatak.h"

#include <stdexcept>

namespace tarvo {

TSintetickiPodatak::TSintetickiPodatak(std::string celija, Value vrijednost)
    : celija_(std::move(celija)), vrijednost_(std::move(vrijednost)) {
    size_t pos = 0;
    long long column = 0;
    for (; pos < celija_.size(); ++pos) {
        char c = celija_[pos];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + (c - 'A' + 1);
    }
    const size_t digits = celija_.size() - pos;
    bool valid = pos > 0 && pos <= 3 && digits > 0 && digits <= 7;
    for (size_t i = pos; valid && i < celija_.size(); ++i) valid = celija_[i] >= '0' && celija_[i] <= '9';
    if (!valid) throw std::invalid_argument("Neispravna adresa ćelije: \"" + celija_ + "\"");
    kolona_ = static_cast<int>(column - 1);
    red_ = std::stoi(celija_.substr(pos));
}

}  // namespace tarvo
