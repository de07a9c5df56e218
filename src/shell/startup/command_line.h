#pragma once
#include <string>
#include <vector>

#include "data/catalogue/host_argument.h"

namespace tarvo {

// What the command line asks for: 0 arguments, 1 (server or "port_"), 2 (company id and year) or 3 and
// more (server or "port_", company id, year; the rest ignored).
struct CommandLine {
    HostArgument host;
    bool autoSelect = false;
    std::string companyId;
    std::string year;
};

// Reads the arguments after the program name. Throws std::invalid_argument with a message for the user
// when "port_" is not followed by a valid port.
CommandLine registrujParametre(const std::vector<std::string>& args);

}  // namespace tarvo
