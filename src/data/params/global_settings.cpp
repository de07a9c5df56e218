#include "data/params/global_settings.h"

#include <cmath>

#include "data/params/distributer.h"
#include "data/params/parameter_keys.h"
#include "util/numbers.h"
#include "util/utf8.h"

namespace tarvo {
namespace {

constexpr int kStepHundredths = 5;

}  // namespace

double stepScaleFactor(double factor, bool up) {
    // In whole hundredths, so that twenty steps from 1 land exactly on 2.
    const long long hundredths = std::llround(factor * 100) + (up ? kStepHundredths : -kStepHundredths);
    if (hundredths > std::llround(kMaxScaleFactor * 100) || hundredths < std::llround(kMinScaleFactor * 100))
        return factor;
    return static_cast<double>(hundredths) / 100.0;
}

std::optional<double> parseScaleFactor(std::string_view text) {
    const std::optional<double> value = tryParseAmount(text, false);
    if (!value || *value < kMinScaleFactor || *value > kMaxScaleFactor) return std::nullopt;
    return value;
}

int colourSchemeIndex(std::string_view stored) {
    const std::string value = utf8Lower(stored);
    if (value == "siva") return 1;
    if (value == "plava") return 2;
    return 0;
}

std::string colourSchemeValue(int index) {
    if (index == 1) return "siva";
    if (index == 2) return "plava";
    return "system";
}

std::vector<GlobalParameterValue> readGlobalParameters(TDistributerParametara& distributer) {
    std::vector<GlobalParameterValue> values;
    for (const ParameterKey& entry : parameterKeys()) {
        if (entry.scope != ParamScope::Global || entry.family) continue;
        GlobalParameterValue value{std::string(entry.key), {}, std::string(entry.defaultValue), false};
        if (entry.multiRow) {
            value.value = distributer.readGlobalLines(entry.key);
            value.stored = !value.value.empty();
        } else if (auto stored = distributer.findGlobal(entry.key)) {
            value.value = *stored;
            value.stored = true;
        }
        values.push_back(std::move(value));
    }
    return values;
}

}  // namespace tarvo
