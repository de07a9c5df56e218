#include "shell/startup/command_line.h"

namespace tarvo {

CommandLine registrujParametre(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.size() == 1 || args.size() >= 3) line.host = HostArgument::parse(args[0]);
    if (args.size() == 2) {
        line.autoSelect = true;
        line.companyId = args[0];
        line.year = args[1];
    } else if (args.size() >= 3) {
        line.autoSelect = true;
        line.companyId = args[1];
        line.year = args[2];
    }
    return line;
}

}  // namespace tarvo
