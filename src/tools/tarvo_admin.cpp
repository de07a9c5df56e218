// Headless administration: the private database server (for the application and the test runs) and the
// demo company.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/catalogue/dm_firma.h"
#include "data/catalogue/server_setup.h"
#include "data/server/private_server.h"
#include "lifecycle/demo/demo_books.h"
#include "util/numbers.h"
#include "util/user_prompt.h"

namespace {

int usage() {
    std::fputs(
        "upotreba:\n"
        "  tarvo-admin server start [--dir FOLDER] [--port N] [--fresh]   (N = 0: slobodan port)\n"
        "  tarvo-admin server stop [--dir FOLDER]\n"
        "  tarvo-admin demo [--if-empty] [--fid N] [--year Y] [--seed S] [--port P]\n",
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

// Messages go to the terminal; nobody is there to answer a question, so every answer is No.
class ConsolePrompt : public tarvo::UserPrompt {
public:
    void message(const std::string& text) override { std::printf("%s\n", text.c_str()); }
    bool ask(const std::string& question) override {
        std::printf("%s (Ne)\n", question.c_str());
        return false;
    }
};

void printFailures(const tarvo::CreationReport& report) {
    for (const std::string& failure : report.failures) std::fprintf(stderr, "%s\n", failure.c_str());
}

int demoCommand(const std::vector<std::string>& args) {
    tarvo::DemoOptions options;
    unsigned port = 3306;
    bool ifEmpty = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--if-empty") ifEmpty = true;
        else if (args[i] == "--fid" && hasValue) options.fid = std::stoi(args[++i]);
        else if (args[i] == "--year" && hasValue) options.godina = std::stoi(args[++i]);
        else if (args[i] == "--seed" && hasValue) options.seed = static_cast<std::uint32_t>(std::stoul(args[++i]));
        else if (args[i] == "--port" && hasValue) port = static_cast<unsigned>(std::stoul(args[++i]));
        else return usage();
    }
    const std::string host = "127.0.0.1";
    if (tarvo::server::ensureServer(host, port, tarvo::server::defaultServerDir()))
        std::printf("server: pokrenut privatni server %s:%u, %s\n", host.c_str(), port,
                    tarvo::server::defaultServerDir().c_str());

    ConsolePrompt prompt;
    tarvo::db::ConnectionParams server;
    server.port = port;
    tarvo::TDM_firma catalogue(prompt, tarvo::HostArgument::parse(host), server);
    if (!catalogue.srediKonekciju()) return 1;
    const tarvo::CreationReport prepared = prepareServer(catalogue);
    printFailures(prepared);
    if (!prepared.ok()) return 1;

    if (ifEmpty) {
        const long long companies =
            catalogue.MyConnection1().scalar("select count(*) from " + catalogue.names().ex + ".firma").asInt();
        if (companies > 0) {
            std::printf("katalog već ima firmi (%lld): demo firma nije napravljena\n", companies);
            return 0;
        }
    }
    const tarvo::DemoCompanyReport demo = tarvo::createDemoCompany(catalogue, options);
    printFailures(demo.report);
    if (!demo.ok()) return 1;
    std::printf("demo firma %d \"%s\", godina %d: %d partnera, %lld naloga, %lld stavki, promet %s KM (%s, %s)\n",
                options.fid, options.naziv.c_str(), options.godina, demo.partners, demo.books.vouchers,
                demo.books.lines,
                tarvo::formatFixed(2, 0, false, static_cast<double>(demo.books.debitCents) / 100).c_str(),
                demo.prDatabase.c_str(), demo.finDatabase.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    try {
        if (args[0] == "server") return serverCommand({args.begin() + 1, args.end()});
        if (args[0] == "demo") return demoCommand({args.begin() + 1, args.end()});
        return usage();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
