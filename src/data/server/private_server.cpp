#include "data/server/private_server.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "data/db/connection.h"
#include "data/db/error.h"

namespace tarvo::server {
namespace fs = std::filesystem;
namespace {

bool tcpListens(const std::string& host, unsigned port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string name = host == "localhost" ? "127.0.0.1" : host;
    if (getaddrinfo(name.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
    bool listens = false;
    for (addrinfo* a = found; a && !listens; a = a->ai_next) {
        int fd = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (fd < 0) continue;
        listens = connect(fd, a->ai_addr, a->ai_addrlen) == 0;
        close(fd);
    }
    freeaddrinfo(found);
    return listens;
}

fs::path findProgram(const std::vector<std::string>& names) {
    std::vector<fs::path> dirs;
    if (const char* path = std::getenv("PATH")) {
        std::stringstream list(path);
        std::string dir;
        while (std::getline(list, dir, ':'))
            if (!dir.empty()) dirs.emplace_back(dir);
    }
    for (const char* extra : {"/usr/sbin", "/usr/bin", "/usr/local/sbin", "/sbin"}) dirs.emplace_back(extra);
    for (const auto& name : names)
        for (const auto& dir : dirs)
            if (access((dir / name).c_str(), X_OK) == 0) return dir / name;
    return {};
}

// mariadbd refuses to run as root unless told which user to be.
std::vector<std::string> userOption() {
    if (geteuid() != 0) return {};
    return {"--user=root"};
}

std::vector<char*> argv(std::vector<std::string>& args) {
    std::vector<char*> out;
    for (auto& a : args) out.push_back(a.data());
    out.push_back(nullptr);
    return out;
}

// Runs a program with its output appended to `log` and waits for it; returns its exit status, -1 if it did not run.
int runLogged(std::vector<std::string> args, const fs::path& log) {
    auto cargs = argv(args);
    pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        int in = open("/dev/null", O_RDONLY);
        if (out >= 0) {
            dup2(out, 1);
            dup2(out, 2);
        }
        if (in >= 0) dup2(in, 0);
        execv(cargs[0], cargs.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts a program that outlives us: double fork, own session, no terminal, no inherited pipes.
bool spawnDetached(std::vector<std::string> args) {
    auto cargs = argv(args);
    pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        setsid();
        if (fork() != 0) _exit(0);
        int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
        }
        for (int fd = 3; fd < 1024; ++fd) close(fd);
        execv(cargs[0], cargs.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return true;
}

std::string tail(const fs::path& file, size_t lines) {
    std::ifstream in(file);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);) all.push_back(line);
    std::string out;
    for (size_t i = all.size() > lines ? all.size() - lines : 0; i < all.size(); ++i) out += all[i] + "\n";
    return out;
}

void initialize(const PrivateServer& server) {
    if (fs::exists(server.dataDir() / "mysql")) return;
    fs::path installer = findProgram({"mariadb-install-db", "mysql_install_db"});
    if (installer.empty())
        throw ServerError("Program mariadb-install-db nije pronađen. Instalirajte paket mariadb-server.");
    fs::create_directories(server.dataDir());
    std::vector<std::string> args{installer.string(), "--no-defaults", "--datadir=" + server.dataDir().string(),
                                  "--auth-root-authentication-method=normal", "--skip-test-db"};
    for (auto& option : userOption()) args.push_back(option);
    if (runLogged(args, server.dir / "install.log") != 0) {
        fs::remove_all(server.dataDir());
        throw ServerError("Priprema baze podataka nije uspjela:\n" + tail(server.dir / "install.log", 15));
    }
}

pid_t readPid(const fs::path& pidFile) {
    std::ifstream in(pidFile);
    long pid = 0;
    in >> pid;
    return static_cast<pid_t>(pid);
}

bool alive(pid_t pid) { return pid > 0 && kill(pid, 0) == 0; }

}  // namespace

Probe probe(const std::string& host, unsigned port) {
    if (!tcpListens(host, port)) return Probe::Nothing;
    db::ConnectionParams params;
    params.host = host == "localhost" ? "127.0.0.1" : host;
    params.port = port;
    try {
        db::Connection connection(params);
        return Probe::Answers;
    } catch (const db::DbError& error) {
        if (error.code() == 1045 || error.code() == 1698) return Probe::RefusesRoot;
        return Probe::NotMariaDb;
    }
}

fs::path defaultServerDir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "tarvo" / "mariadb";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "tarvo" / "mariadb";
}

void start(const PrivateServer& server) {
    fs::path daemon = findProgram({"mariadbd", "mysqld"});
    if (daemon.empty()) throw ServerError("Program mariadbd nije pronađen. Instalirajte paket mariadb-server.");
    switch (probe("127.0.0.1", server.port)) {
        case Probe::Answers:
            return;
        case Probe::RefusesRoot:
        case Probe::NotMariaDb:
            throw ServerError("Port " + std::to_string(server.port) +
                              " je zauzet drugim programom. Izaberite drugi port (port_NNNN).");
        case Probe::Nothing:
            break;
    }
    fs::create_directories(server.dir);
    initialize(server);
    std::vector<std::string> args{daemon.string(),
                                  "--no-defaults",
                                  "--datadir=" + server.dataDir().string(),
                                  "--socket=" + server.socketPath().string(),
                                  "--pid-file=" + server.pidFile().string(),
                                  "--log-error=" + server.errorLog().string(),
                                  "--port=" + std::to_string(server.port),
                                  "--bind-address=127.0.0.1",
                                  "--character-set-server=utf8mb3",
                                  "--collation-server=utf8mb3_general_ci",
                                  "--innodb-buffer-pool-size=256M",
                                  "--innodb-flush-log-at-trx-commit=2",
                                  "--max-allowed-packet=256M"};
    for (auto& option : userOption()) args.push_back(option);
    if (!spawnDetached(args)) throw ServerError("Server baze podataka se ne može pokrenuti.");
    std::ofstream(server.portFile()) << server.port << "\n";

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (std::chrono::steady_clock::now() < deadline) {
        if (probe("127.0.0.1", server.port) == Probe::Answers) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    throw ServerError("Server baze podataka se nije javio na portu " + std::to_string(server.port) + ":\n" +
                      tail(server.errorLog(), 15));
}

void stop(const fs::path& dir) {
    PrivateServer server{dir};
    pid_t pid = readPid(server.pidFile());
    if (!alive(pid)) return;
    kill(pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (alive(pid) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (alive(pid)) kill(pid, SIGKILL);
}

bool ensureServer(const std::string& host, unsigned port, const fs::path& dir) {
    const bool local = host.empty() || host == "localhost" || host == "127.0.0.1";
    const unsigned effectivePort = port == 0 ? 3306 : port;
    switch (probe(local ? "127.0.0.1" : host, effectivePort)) {
        case Probe::Answers:
            return false;
        case Probe::RefusesRoot:
            throw ServerError(
                "Server baze podataka na portu " + std::to_string(effectivePort) +
                " ne prihvata korisnika root bez lozinke. Omogućite prijavu korisnika root lozinkom preko TCP-a"
                " (vidi README) ili pokrenite program s drugim portom (port_NNNN).");
        case Probe::NotMariaDb:
            throw ServerError("Port " + std::to_string(effectivePort) +
                              " je zauzet drugim programom. Izaberite drugi port (port_NNNN).");
        case Probe::Nothing:
            break;
    }
    if (!local) throw ServerError("Server baze podataka " + host + " se ne javlja.");
    start(PrivateServer{dir, effectivePort});
    return true;
}

unsigned freePort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) throw ServerError("Nije moguće otvoriti mrežnu utičnicu.");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof(address);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        throw ServerError("Nije moguće naći slobodan port.");
    }
    unsigned port = ntohs(address.sin_port);
    close(fd);
    return port;
}

}  // namespace tarvo::server
