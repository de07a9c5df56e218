#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class TDistributerParametara;

// The text of "postavi standardne alijase" for `dodatniAlijasiZaVirmane`.
inline constexpr std::string_view kStandardniAlijasiZaVirmane =
    "dnto1+dntp1+dntp4 as ukupDoprPIO, sum(s.dosnovica*#ustDZO#/100)*#stDZOKAN#/100 as dzoKAN, "
    "sum(s.dosnovica*#ustDON#/100)*#stDONKAN#/100 as donKAN, (dnto2+dntp2+dntp5)*#stDZOFED#/100 as dzoFED, "
    "(dnto3+dntp3)*#stDONFED#/100 as donFED";

// The screen scale factor: from 1 to 2 in steps of 0.05.
inline constexpr double kMinScaleFactor = 1.0;
inline constexpr double kMaxScaleFactor = 2.0;
// One step up or down; the factor stays as it is when the step would leave [1, 2].
double stepScaleFactor(double factor, bool up);
// A typed factor ("1,25" or "1.25"); nothing unless it is a number within [1, 2].
std::optional<double> parseScaleFactor(std::string_view text);

// The colour schemes "system", "siva" and "plava" as the items 0, 1 and 2 of the window's list; any
// other stored value is the first item.
int colourSchemeIndex(std::string_view stored);
std::string colourSchemeValue(int index);

struct GlobalParameterValue {
    std::string key;
    std::string value;          // as stored; a multi-row value read back whole
    std::string defaultValue;
    bool stored = false;        // false when the key has no row
};

// Every global key of the key index (families excepted) with what the catalogue holds for it.
std::vector<GlobalParameterValue> readGlobalParameters(TDistributerParametara& distributer);

}  // namespace tarvo
