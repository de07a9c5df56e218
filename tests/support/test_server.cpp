#include "test_server.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace tarvo::test {

db::ConnectionParams serverParams() {
    const char* dir = std::getenv("TARVO_TEST_SERVER_DIR");
    if (!dir || !*dir) throw std::runtime_error("TARVO_TEST_SERVER_DIR is not set: run the test through ctest");
    std::ifstream in(std::filesystem::path(dir) / "port");
    unsigned port = 0;
    if (!(in >> port)) throw std::runtime_error(std::string("no test server port in ") + dir);
    db::ConnectionParams params;
    params.host = "127.0.0.1";
    params.port = port;
    return params;
}

db::Connection connect(const std::string& database) {
    db::ConnectionParams params = serverParams();
    params.database = database;
    return db::Connection(params);
}

std::string uniqueName(const std::string& hint) {
    static std::atomic<int> counter{0};
    return hint + "_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
}

ScratchDatabase::ScratchDatabase(const std::string& hint) : name_(uniqueName(hint)) {
    test::connect().execute("create database `" + name_ + "` character set=utf8");
}

ScratchDatabase::~ScratchDatabase() {
    try {
        test::connect().execute("drop database if exists `" + name_ + "`");
    } catch (...) {
        // The server is gone at the end of a broken run; nothing to clean then.
    }
}

}  // namespace tarvo::test
