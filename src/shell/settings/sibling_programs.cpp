#include "shell/settings/sibling_programs.h"

#include <system_error>

#include "data/catalogue/firma.h"
#include "data/db/connection.h"
#include "util/paths.h"
#include "util/utf8.h"

namespace tarvo::shell {
namespace {

constexpr unsigned kDefaultPort = 3306;

// The stored ".exe" path, or the same program without the extension, whichever is there.
std::filesystem::path installedProgram(const std::string& stored) {
    const std::filesystem::path mapped = mapStoredPath(stored);
    std::error_code ignored;
    if (std::filesystem::exists(mapped, ignored) || utf8Lower(mapped.extension().string()) != ".exe") return mapped;
    std::filesystem::path bare = mapped;
    bare.replace_extension();
    return std::filesystem::exists(bare, ignored) ? bare : mapped;
}

}  // namespace

std::string storedSiblingPath(SiblingProgram program) {
    return program == SiblingProgram::Kvedo ? "c:\\kelma\\programi\\kvedo.exe" : "c:\\kelma\\programi\\rulenbaro.exe";
}

SiblingLaunch siblingLaunch(SiblingProgram program, const db::ConnectionParams& companyConnection,
                            const TFirma& firma) {
    SiblingLaunch launch;
    launch.program = installedProgram(storedSiblingPath(program));
    const bool local = utf8Lower(companyConnection.host) == "localhost";
    const unsigned port = companyConnection.port == 0 ? kDefaultPort : companyConnection.port;
    if (!local && port != kDefaultPort) {
        launch.refusal = "Ne mogu da pokrenem program " + launch.program.string() + ": server \"" +
                         companyConnection.host + "\" na portu " + std::to_string(port) +
                         " ne može se zadati u komandnoj liniji.";
    } else if (!local) {
        launch.arguments.push_back(companyConnection.host);
    } else if (port != kDefaultPort) {
        launch.arguments.push_back("port_" + std::to_string(port));
    }
    launch.arguments.push_back(firma.arhivski ? "0" : std::to_string(firma.id));
    launch.arguments.push_back(firma.arhivski ? "0" : std::to_string(firma.godina));
    launch.commandLine = launch.program.string();
    for (const std::string& argument : launch.arguments) launch.commandLine += " " + argument;
    return launch;
}

ProgramRun runSibling(const SiblingLaunch& launch) {
    std::error_code ignored;
    if (!std::filesystem::exists(launch.program, ignored)) {
        ProgramRun run;
        run.message = "Ne mogu da izvršim " + launch.commandLine + "\nProgram " + launch.program.string() +
                      " nije instaliran.";
        return run;
    }
    return runProgram(launch.program.string(), launch.arguments, true);
}

}  // namespace tarvo::shell
