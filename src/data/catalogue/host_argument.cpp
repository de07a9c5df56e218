#include "data/catalogue/host_argument.h"

#include <algorithm>
#include <stdexcept>

namespace tarvo {
namespace {

constexpr std::string_view kPortPrefix = "port_";

}  // namespace

HostArgument HostArgument::parse(std::string_view text) {
    HostArgument argument;
    argument.text_ = std::string(text);
    if (!text.starts_with(kPortPrefix)) {
        if (text.empty()) throw std::invalid_argument("Nije naveden server");
        argument.server_ = argument.text_;
        return argument;
    }
    const std::string_view digits = text.substr(kPortPrefix.size());
    const bool allDigits = std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    unsigned port = 0;
    if (allDigits && !digits.empty() && digits.size() <= 5) port = static_cast<unsigned>(std::stoul(std::string(digits)));
    if (port == 0 || port > 65535) throw std::invalid_argument("Neispravan port: \"" + argument.text_ + "\"");
    argument.port_ = port;
    return argument;
}

db::ConnectionParams HostArgument::apply(db::ConnectionParams base) const {
    base.host = server_;
    if (portMode()) base.port = port_;
    return base;
}

std::string HostArgument::hostFor(std::string_view cataloguedHost) const {
    if (!portMode() && text_ != "localhost" && cataloguedHost == "localhost") return text_;
    return std::string(cataloguedHost);
}

}  // namespace tarvo
