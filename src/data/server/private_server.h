#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>

namespace tarvo::server {

// A failure to reach or start a server, with a message fit for the user.
class ServerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Probe {
    Answers,        // a MariaDB server that accepts root without a password
    RefusesRoot,    // a MariaDB server that does not accept root without a password
    NotMariaDb,     // something else holds the port
    Nothing,        // nobody listens
};

Probe probe(const std::string& host, unsigned port);

// The private server's home: data files, socket, pid file and error log all live in this folder.
struct PrivateServer {
    std::filesystem::path dir;
    unsigned port = 3306;

    std::filesystem::path dataDir() const { return dir / "data"; }
    std::filesystem::path socketPath() const { return dir / "mysqld.sock"; }
    std::filesystem::path pidFile() const { return dir / "mysqld.pid"; }
    std::filesystem::path errorLog() const { return dir / "error.log"; }
    std::filesystem::path portFile() const { return dir / "port"; }
};

// Default home of the private server: $XDG_DATA_HOME/tarvo/mariadb (~/.local/share/tarvo/mariadb).
std::filesystem::path defaultServerDir();

// Creates the data folder on first use, starts mariadbd detached (it keeps running after this program
// ends) and waits until it answers. Throws ServerError with a clear message when it cannot.
void start(const PrivateServer& server);

// Stops the server whose pid file is in `dir` and waits for it to end. Nothing happens when none runs.
void stop(const std::filesystem::path& dir);

// Makes sure a server answers on host:port: when nothing listens on a local host, starts the private one.
// Returns true when it had to start it.
bool ensureServer(const std::string& host, unsigned port, const std::filesystem::path& dir);

// A port that nobody listens on at the moment.
unsigned freePort();

}  // namespace tarvo::server
