#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// The font chosen for the next text of a document.
struct TMyPdfFontStyle {
  std::string resourceName = "MFCN";
  std::string italicSuffix;   // "I" or empty
  std::string underline;      // "u1" or empty
  std::string boldOperator;   // "2 Tr 0.5 w\n" or empty
  double measuredWidth = 0;   // width of the next text as the caller measured it on screen

  // Style words (fsBold, fsItalic, fsUnderline) and a font name choose the resource.
  void setStyle(std::string_view styleText, std::string_view fontName, double width);
};

}  // namespace tarvo
