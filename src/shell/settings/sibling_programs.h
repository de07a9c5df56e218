#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "util/process.h"

namespace tarvo {
class TFirma;
namespace db {
struct ConnectionParams;
}
}  // namespace tarvo

namespace tarvo::shell {

enum class SiblingProgram { Kvedo, Rulenbaro };

// How a sibling program is started so that it opens the same company and year on the same server.
struct SiblingLaunch {
    std::filesystem::path program;
    std::vector<std::string> arguments;  // [server part], company id, year
    std::string commandLine;             // program and arguments, as messages show them
    std::string refusal;                 // when not empty the program is not started and this is said
};

// The program path as the family stores it ("c:\kelma\programi\kvedo.exe").
std::string storedSiblingPath(SiblingProgram program);

// The server part follows the company's connection: nothing for the default port on "localhost", the
// server name for the default port elsewhere, "port_" + port for another port on "localhost"; another
// server on another port cannot be passed and is refused. Archived data open company 0, year 0.
SiblingLaunch siblingLaunch(SiblingProgram program, const db::ConnectionParams& companyConnection,
                            const TFirma& firma);

// Starts the program in a process group of its own and waits until it ends. A missing program or one that
// cannot be started gives "Ne mogu da izvršim " + the command line in `message`.
ProgramRun runSibling(const SiblingLaunch& launch);

}  // namespace tarvo::shell
