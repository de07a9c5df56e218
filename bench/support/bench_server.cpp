#include "bench_server.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "data/server/private_server.h"

namespace tarvo::bench {
namespace {

struct OwnServer {
    server::PrivateServer server;
    OwnServer() {
        server.dir = std::filesystem::temp_directory_path() / ("tarvo-bench-" + std::to_string(getpid()));
        server.port = server::freePort();
        server::start(server);
    }
    ~OwnServer() {
        server::stop(server.dir);
        std::error_code ignored;
        std::filesystem::remove_all(server.dir, ignored);
    }
};

}  // namespace

db::ConnectionParams serverParams() {
    db::ConnectionParams params;
    params.host = "127.0.0.1";
    if (const char* port = std::getenv("TARVO_BENCH_PORT"); port && *port) {
        params.port = static_cast<unsigned>(std::stoul(port));
        return params;
    }
    static OwnServer own;
    params.port = own.server.port;
    return params;
}

}  // namespace tarvo::bench
