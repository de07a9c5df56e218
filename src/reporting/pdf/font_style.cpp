#include "reporting/pdf/font_style.h"

#include <array>
#include <utility>

namespace tarvo {

void TMyPdfFontStyle::setStyle(std::string_view styleText, std::string_view fontName, double width) {
  const auto has = [](std::string_view text, std::string_view word) { return text.find(word) != text.npos; };
  boldOperator = has(styleText, "fsBold") ? "2 Tr 0.5 w\n" : "";
  italicSuffix = has(styleText, "fsItalic") ? "I" : "";
  underline = has(styleText, "fsUnderline") ? "u1" : "";

  static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kFonts = {{
      {"Times New Roman", "MFTNR"},
      {"Tahoma", "MFTAH"},
      {"Verdana", "MFVER"},
      {"Courier", "MFCN"},
      {"Calibri", "MFCAL"},
  }};
  resourceName = "MFCN";
  for (const auto& [font, resource] : kFonts) {
    if (has(fontName, font)) {
      resourceName = resource;
      break;
    }
  }
  measuredWidth = width;
}

}  // namespace tarvo
