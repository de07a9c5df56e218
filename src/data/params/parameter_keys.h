#pragma once
#include <span>
#include <string>
#include <string_view>

namespace tarvo {

enum class ParamScope { Local, Global };

// One key of the parameter stores: local (`parametar` of the company year) or global (`ex.gparametri`).
struct ParameterKey {
    std::string_view key;
    ParamScope scope;
    std::string_view defaultValue;  // written or offered when the key is missing; "" for none
    bool family = false;            // `key` starts a family of keys ("DefVr_" + table name)
    bool multiRow = false;          // stored over the rows key + "0", key + "1", ...
};

// Every key the program reads or writes, with its default.
std::span<const ParameterKey> parameterKeys();
// The entry of a key (a family entry for a key of that family); nullptr for an unknown key.
const ParameterKey* findParameterKey(std::string_view key, ParamScope scope);
// The default of a key; "" for a key without one or an unknown key.
std::string parameterDefault(std::string_view key, ParamScope scope);

}  // namespace tarvo
