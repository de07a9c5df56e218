// Headless administration: the private database server (for the application and the test runs).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/server/private_server.h"

namespace {

int usage() {
    std::fputs(
        "upotreba:\n"
        "  tarvo-admin server start [--dir FOLDER] [--port N] [--fresh]   (N = 0: slobodan port)\n"
        "  tarvo-admin server stop [--dir FOLDER]\n",
        stderr);
    return 2;
}

int serverCommand(const std::vector<std::string>& args) {
    if (args.empty()) return usage();
    tarvo::server::PrivateServer server{tarvo::server::defaultServerDir(), 3306};
    bool fresh = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size()) server.dir = args[++i];
        else if (args[i] == "--port" && i + 1 < args.size()) server.port = static_cast<unsigned>(std::stoul(args[++i]));
        else if (args[i] == "--fresh") fresh = true;
        else return usage();
    }
    if (args[0] == "stop") {
        tarvo::server::stop(server.dir);
        return 0;
    }
    if (args[0] != "start") return usage();
    if (fresh) {
        tarvo::server::stop(server.dir);
        std::filesystem::remove_all(server.dir);
    }
    if (server.port == 0) server.port = tarvo::server::freePort();
    tarvo::server::start(server);
    std::printf("server: 127.0.0.1:%u, %s\n", server.port, server.dir.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    try {
        if (args[0] == "server") return serverCommand({args.begin() + 1, args.end()});
        return usage();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
