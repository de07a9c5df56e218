#pragma once
#include <string>

namespace tarvo {

// The two fixed databases of the family. Everything that names them takes them from here, so that a
// second catalogue (a test's own, for one) can live on the same server.
struct CatalogueNames {
    std::string ex = "ex";             // the company catalogue and the global parameters
    std::string work = "p_finansije";  // the working copy of vouchers
};

}  // namespace tarvo
