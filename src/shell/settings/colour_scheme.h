#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvo::shell {

// Colours are 0xRRGGBB. The stored constants of the family are written blue-green-red ($BBGGRR).
constexpr std::uint32_t rgbOfBgr(std::uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

enum class ColourScheme { System, Siva, Plava };

// "siva" and "plava" in any letter case; anything else keeps the system's colours.
ColourScheme colourSchemeOf(std::string_view stored);

// The ten screen elements a scheme colours.
struct SchemeColours {
    std::uint32_t buttonFace;
    std::uint32_t desktop;
    std::uint32_t menu;
    std::uint32_t menuHighlight;
    std::uint32_t menuBar;
    std::uint32_t scrollBar;  // also the colour of disabled entry controls
    std::uint32_t activeCaption;
    std::uint32_t captionText;
    std::uint32_t gradientActiveCaption;
    std::uint32_t highlightText;
};

// None for the system scheme.
std::optional<SchemeColours> schemeColours(ColourScheme scheme);

// The two panel colours of the voucher entry, set whatever the scheme.
inline constexpr std::uint32_t kEntryPanelColour1 = rgbOfBgr(0xC0DCC0);
inline constexpr std::uint32_t kEntryPanelColour2 = rgbOfBgr(0xF0CAA6);
// The focused control's colour (light yellow).
inline constexpr std::uint32_t kFocusHighlightColour = rgbOfBgr(0x88FFFF);

}  // namespace tarvo::shell
