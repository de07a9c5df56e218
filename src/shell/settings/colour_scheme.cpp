#include "shell/settings/colour_scheme.h"

#include "data/params/global_settings.h"

namespace tarvo::shell {

ColourScheme colourSchemeOf(std::string_view stored) {
    // The order of the enumeration is the order of the global-parameter window's list.
    return static_cast<ColourScheme>(colourSchemeIndex(stored));
}

std::optional<SchemeColours> schemeColours(ColourScheme scheme) {
    switch (scheme) {
        case ColourScheme::System:
            return std::nullopt;
        case ColourScheme::Siva:
            return SchemeColours{rgbOfBgr(0xE0E0E0), rgbOfBgr(0xAF7F4F), rgbOfBgr(0xF0FBFF), rgbOfBgr(0xF0FBFF),
                                 rgbOfBgr(0xF0FBFF), rgbOfBgr(0xDAE5E9), rgbOfBgr(0x350909), rgbOfBgr(0x7ADFDF),
                                 rgbOfBgr(0xD4D0D0), rgbOfBgr(0xAAFFFF)};
        case ColourScheme::Plava:
            return SchemeColours{rgbOfBgr(0xFFD4B9), rgbOfBgr(0xAF7F4F), rgbOfBgr(0xF0FBFF), rgbOfBgr(0xF0FBFF),
                                 rgbOfBgr(0xF0FBFF), rgbOfBgr(0xDAE5E9), rgbOfBgr(0x093509), rgbOfBgr(0x7ADFDF),
                                 rgbOfBgr(0xFFE4C9), rgbOfBgr(0xAAFFFF)};
    }
    return std::nullopt;
}

}  // namespace tarvo::shell
