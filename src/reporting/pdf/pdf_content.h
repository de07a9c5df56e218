#pragma once

// Content-stream texts of the drawing operations. Coordinates are whole points;
// shape lines end in CR, text lines in LF.

#include <string>
#include <string_view>

#include "reporting/pdf/font_style.h"

namespace tarvo {

// "RG" / "rg" operators for a colour name; the white of "bijela" exists for rectangles only.
// The fill of "nema" is empty: such a path is only stroked.
std::string strokeColourOperator(std::string_view name, bool rectangle);
std::string fillColourOperator(std::string_view name, bool rectangle);

std::string lineOperators(std::string_view stroke, int x1, int y1, int x2, int y2, int pageRotation,
                          int lineWidth, bool dashed, bool yFromTop);
std::string rectOperators(std::string_view stroke, std::string_view fill, int lineWidth, bool dashed,
                          int pageRotation, int left, int top, int width, int height);
// Four Bezier curves round (centreX, centreY); `factor` places the control points.
std::string circleOperators(std::string_view stroke, std::string_view fill, double factor, int lineWidth,
                            bool dashed, int radius, int centreY, int centreX);

// A literal string body: "\", "(" and ")" get a backslash.
std::string escapePdfText(std::string_view bytes);

// One text in code page 1250 bytes at (x, y) inches, with the style's font; no underline.
std::string textOperators(const TMyPdfFontStyle& style, std::string_view cp1250Text, int size, bool yFromTop,
                          int itemAngle, int pageRotation, double y, double x);

// Whole points the way every coordinate is rounded: halves away from zero.
int roundPoints(double value);

}  // namespace tarvo
