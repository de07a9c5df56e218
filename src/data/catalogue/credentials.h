#pragma once
#include <string>
#include <vector>

namespace tarvo {

inline constexpr const char* kRootUser = "root";

// The passwords tried for root, in order: none, then the one the family's installations are set up with.
// The stored password lives only in credentials.cpp and is never logged.
const std::vector<std::string>& rootPasswords();

}  // namespace tarvo
