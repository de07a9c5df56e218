#include "data/catalogue/credentials.h"

namespace tarvo {

const std::vector<std::string>& rootPasswords() {
    static const std::vector<std::string> passwords{"", "kd493826vb"};
    return passwords;
}

}  // namespace tarvo
