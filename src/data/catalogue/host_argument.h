#pragma once
#include <string>
#include <string_view>

#include "data/db/connection.h"

namespace tarvo {

// The server part of the command line: a server name, or "port_" and a port on the local server.
class HostArgument {
public:
    HostArgument() = default;  // "localhost"
    // Throws std::invalid_argument when "port_" is not followed by one to five digits of a port 1-65535.
    static HostArgument parse(std::string_view text);

    const std::string& text() const { return text_; }
    bool portMode() const { return port_ != 0; }
    unsigned port() const { return port_; }
    // The server every connection goes to: "localhost" in port mode.
    const std::string& server() const { return server_; }

    // Settings of a connection made on this argument's behalf; `base` supplies user, passwords, socket and,
    // outside port mode, the port. A port always means TCP, also for "localhost".
    db::ConnectionParams apply(db::ConnectionParams base) const;

    // Where a catalogued database is opened: a database catalogued on "localhost" follows a named server;
    // any other catalogued host, and every host in port mode, stays as catalogued.
    std::string hostFor(std::string_view cataloguedHost) const;

private:
    std::string text_ = "localhost";
    std::string server_ = "localhost";
    unsigned port_ = 0;
};

}  // namespace tarvo
