#include "reporting/pdf/my_pdf.h"

#include <gtest/gtest.h>

#include "pdf_test_tools.h"

namespace tarvo {
namespace {

using pdftest::kBosnianLetters;
using pdftest::quoted;
using pdftest::run;

// Two pages with every font and style, every shape and colour and every Bosnian letter,
// rendered the way a person would look at it. Copies stay in /tmp for a look.
void drawDemo(TMyPDF& pdf) {
  const std::string fonts[] = {"Courier New", "Times New Roman", "Calibri", "Verdana", "Tahoma"};
  const std::string styles[] = {"", "fsBold", "fsItalic", "fsBold,fsItalic", "fsUnderline"};
  pdf.fontStyle().setStyle("fsBold", "Calibri", 0);
  pdf.textOut("Tarvo – PDF pregled: " + std::string(kBosnianLetters), 16, true, 0, 0, 0.8, 0.7);
  double y = 1.3;
  for (const auto& font : fonts) {
    for (const auto& style : styles) {
      pdf.fontStyle().setStyle(style, font, 220);
      pdf.textOut(font + " " + (style.empty() ? "obični" : style) + ": " + std::string(kBosnianLetters) +
                      " (1.234,56 KM)",
                  10, true, 0, 0, y, 0.7);
      y += 0.22;
    }
    y += 0.08;
  }
  const std::string colours[] = {"crna", "crvena", "zelena", "plava", "žuta", "siva", "bijela", "ssiva"};
  int left = 50;
  for (const auto& colour : colours) {
    pdf.drawRect("crna", colour, 1, false, 0, left, 150, 50, 40);
    left += 64;
  }
  pdf.drawRect("plava", "nema", 2, true, 0, 50, 95, 250, 40);
  pdf.drawCircle("crvena", "žuta", 0.55, 2, false, 30, 75, 400);
  pdf.drawCircle("crna", "nema", 0.55, 1, true, 30, 75, 500);
  pdf.drawLine("crna", 50, 720, 560, 720, 0, 1, false, true);
  pdf.drawLine("crvena", 50, 730, 560, 730, 0, 2, true, true);
  pdf.drawLineInch("zelena", 0.7, 10.3, 7.8, 10.3, 0, 1, false, true);

  pdf.addPage(false);
  pdf.selectPage(1);
  pdf.fontStyle().setStyle("", "Courier New", 0);
  pdf.textOut("str. 2/2", 7, true, 0, 0, 10.6, 4.2);
  pdf.fontStyle().setStyle("fsItalic", "Times New Roman", 0);
  pdf.textOut("Druga strana: " + std::string(kBosnianLetters), 14, true, 0, 0, 1, 1);
  pdf.textOut("Uspravno", 12, true, 90, 0, 5, 1);
  pdf.drawRectInch("crna", "siva", 1, false, 0, 1, 9, 6.5, 7);
}

TEST(PdfDemo, TwoPageDocumentRendersAndReadsBack) {
  pdftest::TempDir dir("tarvo-pdf-demo");
  TMyPDF pdf;
  pdf.createNew(false);
  drawDemo(pdf);
  pdf.setOutputFileName(dir / "demo.pdf");
  pdf.saveToFile();

  const auto check = run("qpdf --check " + quoted(dir / "demo.pdf"));
  EXPECT_EQ(check.exitCode, 0) << check.output;
  const auto text = run("pdftotext " + quoted(dir / "demo.pdf") + " -");
  EXPECT_NE(text.output.find("Tahoma fsUnderline: " + std::string(kBosnianLetters)), std::string::npos) << text.output;
  EXPECT_NE(text.output.find("Druga strana: " + std::string(kBosnianLetters)), std::string::npos) << text.output;

  const auto render = run("pdftoppm -png -r 60 -f 1 -l 1 -singlefile " + quoted(dir / "demo.pdf") + " " +
                          quoted(dir / "demo"));
  ASSERT_EQ(render.exitCode, 0) << render.output;
  const std::string png = pdftest::readFile(dir / "demo.png");
  ASSERT_GT(png.size(), 1000u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(render.output, "") << "the renderer had something to complain about";

  std::error_code ignored;
  std::filesystem::copy_file(dir / "demo.pdf", "/tmp/tarvo_pdf_demo.pdf",
                             std::filesystem::copy_options::overwrite_existing, ignored);
  std::filesystem::copy_file(dir / "demo.png", "/tmp/tarvo_pdf_demo.png",
                             std::filesystem::copy_options::overwrite_existing, ignored);
}

}  // namespace
}  // namespace tarvo
