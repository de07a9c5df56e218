#include "reporting/pdf/font_style.h"
#include "reporting/pdf/pdf_content.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(PdfContent, FirstTextInCourierEightPoints) {
  const TMyPdfFontStyle plain;
  EXPECT_EQ(textOperators(plain, "Nalog", 8, true, 0, 0, 1, 1),
            "0 Tr\n/MFCN 8 Tf\n-7 Ts\n0 0 0 rg\nBT\n1 0 0 1 72 720 Tm\n(Nalog)Tj\nET\n");
}

TEST(PdfContent, TextPositionAndMatrixFollowRotationAndAngle) {
  const TMyPdfFontStyle plain;
  struct Case {
    bool yFromTop;
    int angle;
    int rotation;
    double y, x;
    std::string_view placement;
  };
  const Case cases[] = {
      {true, 0, 0, 10.6, 4.2, "1 0 0 1 302 29 Tm"},
      {false, 0, 0, 2.5, 1.25, "1 0 0 1 90 180 Tm"},
      {true, 90, 0, 1, 2, "0 1 -1 0 144 720 Tm"},
      {true, -90, 0, 1, 2, "0 -1 1 0 144 720 Tm"},
      {true, 0, 90, 8.1, 5.43, "0 1 -1 0 583 391 Tm"},
  };
  for (const auto& c : cases) {
    const std::string text = textOperators(plain, "x", 7, c.yFromTop, c.angle, c.rotation, c.y, c.x);
    EXPECT_NE(text.find(std::string(c.placement) + "\n"), std::string::npos) << text;
  }
}

TEST(PdfContent, StyleChoosesResourceItalicAndBold) {
  struct Case {
    std::string_view style, font, expectedFontLine;
    bool bold;
  };
  const Case cases[] = {
      {"", "Courier New", "/MFCN 9 Tf", false},
      {"[fsItalic]", "Times New Roman", "/MFTNRI 9 Tf", false},
      {"[fsBold,fsItalic]", "Calibri", "/MFCALI 9 Tf", true},
      {"fsBold", "Verdana", "/MFVER 9 Tf", true},
      {"fsItalic", "Tahoma", "/MFTAHI 9 Tf", false},
      {"", "Arial", "/MFCN 9 Tf", false},
      {"", "", "/MFCN 9 Tf", false},
      // The first name of the list that occurs wins.
      {"", "Courier Times New Roman", "/MFTNR 9 Tf", false},
  };
  for (const auto& c : cases) {
    TMyPdfFontStyle style;
    style.setStyle(c.style, c.font, 42.5);
    const std::string text = textOperators(style, "x", 9, true, 0, 0, 1, 1);
    EXPECT_NE(text.find(std::string(c.expectedFontLine) + "\n"), std::string::npos) << c.font << ": " << text;
    EXPECT_EQ(text.find("-7 Ts\n2 Tr 0.5 w\n0 0 0 rg\n") != std::string::npos, c.bold) << text;
    EXPECT_EQ(style.measuredWidth, 42.5);
  }
  TMyPdfFontStyle underlined;
  underlined.setStyle("fsUnderline", "Calibri", 10);
  EXPECT_EQ(underlined.underline, "u1");
}

TEST(PdfContent, ParenthesesAndBackslashesAreEscaped) {
  const TMyPdfFontStyle plain;
  EXPECT_NE(textOperators(plain, "(a)", 8, true, 0, 0, 1, 1).find("(\\(a\\))Tj\n"), std::string::npos);
  // A trailing backslash would otherwise swallow the closing parenthesis.
  EXPECT_EQ(escapePdfText("C:\\kelma\\"), "C:\\\\kelma\\\\");
  EXPECT_EQ(escapePdfText("\\(x)"), "\\\\\\(x\\)");
  EXPECT_EQ(escapePdfText("\xC8\x8A"), "\xC8\x8A");
}

TEST(PdfContent, LandscapeLineSwapsCoordinates) {
  EXPECT_EQ(lineOperators("crna", 10, 20, 30, 40, 90, 1, false, true),
            "[] 0 d\r1 w\r0.0 0.0 0.0 RG\r20 10 m\r40 30 l\rS\r");
}

TEST(PdfContent, PortraitLineFlipsOnlyWhenMeasuredFromTop) {
  EXPECT_EQ(lineOperators("crvena", 10, 20, 30, 40, 0, 2, true, true),
            "[5 3] 0 d\r2 w\r1.0 0.0 0.0 RG\r10 772 m\r30 752 l\rS\r");
  EXPECT_EQ(lineOperators("plava", 10, 20, 30, 40, 0, 1, false, false),
            "[] 0 d\r1 w\r0.0 0.0 1.0 RG\r10 20 m\r30 40 l\rS\r");
}

TEST(PdfContent, RectangleWithAndWithoutFill) {
  EXPECT_EQ(rectOperators("crna", "žuta", 1, false, 0, 72, 700, 100, 50),
            "[] 0 d\r1 w\r0.0 0.0 0.0 RG\r1.0 1.0 0.1 rg\r72 650 100 50 re\rB\r");
  EXPECT_EQ(rectOperators("crna", "nema", 1, false, 0, 72, 700, 100, 50),
            "[] 0 d\r1 w\r0.0 0.0 0.0 RG\r72 650 100 50 re\rS\r");
  EXPECT_EQ(rectOperators("crna", "nema", 1, true, 90, 72, 700, 100, 50),
            "[5 3] 0 d\r1 w\r0.0 0.0 0.0 RG\r-88 72 50 100 re\rS\r");
}

TEST(PdfContent, ColourNames) {
  struct Case {
    std::string_view name;
    bool rectangle;
    std::string_view stroke, fill;
  };
  const Case cases[] = {
      {"crna", false, "0.0 0.0 0.0 RG\r", "0.0 0.0 0.0 rg\r"},
      {"crvena", false, "1.0 0.0 0.0 RG\r", "1.0 0.0 0.0 rg\r"},
      {"zelena", false, "0.0 1.0 0.0 RG\r", "0.0 1.0 0.0 rg\r"},
      {"plava", false, "0.0 0.0 1.0 RG\r", "0.0 0.0 1.0 rg\r"},
      {"žuta", false, "1.0 1.0 0.1 RG\r", "1.0 1.0 0.1 rg\r"},
      {"siva", false, "0.7 0.7 0.7 RG\r", "0.9 0.9 0.9 rg\r"},
      {"bijela", true, "1.0 1.0 1.0 RG\r", "1.0 1.0 1.0 rg\r"},
      {"bijela", false, "0.9 0.9 0.9 RG\r", "0.9 0.9 0.9 rg\r"},
      {"ssiva", true, "0.9 0.9 0.9 RG\r", "0.9 0.9 0.9 rg\r"},
      {"nema", true, "0.9 0.9 0.9 RG\r", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(strokeColourOperator(c.name, c.rectangle), c.stroke) << c.name;
    EXPECT_EQ(fillColourOperator(c.name, c.rectangle), c.fill) << c.name;
  }
}

TEST(PdfContent, CircleIsFourCurvesAroundTheCentre) {
  EXPECT_EQ(circleOperators("crna", "crvena", 0.5523, 1, false, 100, 400, 300),
            "[] 0 d\r1 w\r0.0 0.0 0.0 RG\r1.0 0.0 0.0 rg\r"
            "200 400 m\r"
            "200 455 245 500 300 500 c\r"
            "355 500 400 455 400 400 c\r"
            "400 345 355 300 300 300 c\r"
            "245 300 200 345 200 400 c\r"
            "B\r");
  const std::string outline = circleOperators("crna", "nema", 1, 1, false, 10, 0, 0);
  EXPECT_EQ(outline.substr(outline.size() - 2), "S\r");
  EXPECT_EQ(outline.find(" rg\r"), std::string::npos);
}

TEST(PdfContent, HalvesRoundAwayFromZero) {
  EXPECT_EQ(roundPoints(0.5), 1);
  EXPECT_EQ(roundPoints(-0.5), -1);
  EXPECT_EQ(roundPoints(2.4999), 2);
}

}  // namespace
}  // namespace tarvo
