#include "reporting/pdf/pdf_content.h"

#include <fmt/format.h>

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace tarvo {

namespace {

constexpr int kPageHeight = 792;
constexpr int kPageWidth = 612;

struct Colour {
  std::string_view name;
  std::string_view rgb;
};

constexpr std::array<Colour, 5> kColours = {{
    {"crna", "0.0 0.0 0.0"},
    {"crvena", "1.0 0.0 0.0"},
    {"zelena", "0.0 1.0 0.0"},
    {"plava", "0.0 0.0 1.0"},
    {"žuta", "1.0 1.0 0.1"},
}};
constexpr std::string_view kOtherColour = "0.9 0.9 0.9";

std::string_view colourValues(std::string_view name, bool rectangle) {
  for (const auto& colour : kColours) {
    if (colour.name == name) return colour.rgb;
  }
  if (rectangle && name == "bijela") return "1.0 1.0 1.0";
  return kOtherColour;
}

std::string shapePrefix(int lineWidth, bool dashed) {
  return fmt::format("{}\r{} w\r", dashed ? "[5 3] 0 d" : "[] 0 d", lineWidth);
}

std::string paintOperator(std::string_view fill) { return fill == "nema" ? "S\r" : "B\r"; }

}  // namespace

int roundPoints(double value) { return static_cast<int>(std::lround(value)); }

std::string strokeColourOperator(std::string_view name, bool rectangle) {
  if (name == "siva") return "0.7 0.7 0.7 RG\r";
  return fmt::format("{} RG\r", colourValues(name, rectangle));
}

std::string fillColourOperator(std::string_view name, bool rectangle) {
  if (name == "nema") return "";
  return fmt::format("{} rg\r", colourValues(name, rectangle));
}

std::string lineOperators(std::string_view stroke, int x1, int y1, int x2, int y2, int pageRotation,
                          int lineWidth, bool dashed, bool yFromTop) {
  std::string text = shapePrefix(lineWidth, dashed) + strokeColourOperator(stroke, false);
  if (pageRotation == 90) {
    text += fmt::format("{} {} m\r{} {} l\r", y1, x1, y2, x2);
  } else {
    const auto flip = [yFromTop](int y) { return yFromTop ? kPageHeight - y : y; };
    text += fmt::format("{} {} m\r{} {} l\r", x1, flip(y1), x2, flip(y2));
  }
  text += "S\r";
  return text;
}

std::string rectOperators(std::string_view stroke, std::string_view fill, int lineWidth, bool dashed,
                          int pageRotation, int left, int top, int width, int height) {
  std::string text = shapePrefix(lineWidth, dashed) + strokeColourOperator(stroke, true) +
                     fillColourOperator(fill, true);
  if (pageRotation == 90) {
    text += fmt::format("{} {} {} {} re\r", kPageWidth - top, left, height, width);
  } else {
    text += fmt::format("{} {} {} {} re\r", left, top - height, width, height);
  }
  text += paintOperator(fill);
  return text;
}

std::string circleOperators(std::string_view stroke, std::string_view fill, double factor, int lineWidth,
                            bool dashed, int radius, int centreY, int centreX) {
  const double r = radius;
  const double k = factor * r;
  const double cx = centreX;
  const double cy = centreY;
  const auto p = [](double value) { return roundPoints(value); };
  std::string text = shapePrefix(lineWidth, dashed) + strokeColourOperator(stroke, false) +
                     fillColourOperator(fill, false);
  text += fmt::format("{} {} m\r", p(cx - r), p(cy));
  text += fmt::format("{} {} {} {} {} {} c\r", p(cx - r), p(cy + k), p(cx - k), p(cy + r), p(cx), p(cy + r));
  text += fmt::format("{} {} {} {} {} {} c\r", p(cx + k), p(cy + r), p(cx + r), p(cy + k), p(cx + r), p(cy));
  text += fmt::format("{} {} {} {} {} {} c\r", p(cx + r), p(cy - k), p(cx + k), p(cy - r), p(cx), p(cy - r));
  text += fmt::format("{} {} {} {} {} {} c\r", p(cx - k), p(cy - r), p(cx - r), p(cy - k), p(cx - r), p(cy));
  text += paintOperator(fill);
  return text;
}

std::string escapePdfText(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + 8);
  for (char c : bytes) {
    if (c == '\\' || c == '(' || c == ')') out += '\\';
    out += c;
  }
  return out;
}

std::string textOperators(const TMyPdfFontStyle& style, std::string_view cp1250Text, int size, bool yFromTop,
                          int itemAngle, int pageRotation, double y, double x) {
  int posX = 0;
  int posY = 0;
  if (pageRotation == 90) {
    posX = roundPoints(y * 72);
    posY = roundPoints(x * 72);
  } else {
    posX = roundPoints(x * 72);
    posY = roundPoints(yFromTop ? (11 - y) * 72 : y * 72);
  }
  // The angle is in degrees; only 0, 90 and -90 occur.
  const double angle = (itemAngle != 0 ? itemAngle : pageRotation) * std::numbers::pi / 180.0;
  const int c = roundPoints(std::cos(angle));
  const int s = roundPoints(std::sin(angle));
  return fmt::format(
      "0 Tr\n/{}{} {} Tf\n-7 Ts\n{}0 0 0 rg\nBT\n{} {} {} {} {} {} Tm\n({})Tj\nET\n", style.resourceName,
      style.italicSuffix, size, style.boldOperator, c, s, -s, c, posX, posY, escapePdfText(cp1250Text));
}

}  // namespace tarvo
