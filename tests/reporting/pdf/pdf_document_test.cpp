#include "reporting/pdf/my_pdf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "pdf_test_tools.h"
#include "reporting/pdf/pdf_error.h"

namespace tarvo {
namespace {

using pdftest::kBosnianLetters;
using pdftest::quoted;
using pdftest::readFile;
using pdftest::run;

class PdfDocument : public ::testing::Test {
 protected:
  pdftest::TempDir dir{"tarvo-pdf-doc"};

  std::string save(TMyPDF& pdf, std::string_view name) {
    pdf.setOutputFileName(dir / name);
    pdf.saveToFile();
    return readFile(dir / name);
  }

  void expectValid(const std::filesystem::path& file) {
    const auto check = run("qpdf --check " + quoted(file));
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_TRUE(pdftest::misplacedXrefEntries(readFile(file)).empty());
  }
};

// Carlito is metric-compatible with Calibri: codes 32..255 have the Calibri widths, except that
// Carlito's space and hyphen are narrower (226 and 306).
constexpr int kCarlitoWidths[224] = {
    226, 326, 401, 498, 507, 715, 682, 221, 303, 303, 498, 498, 250, 306, 252, 386, 507, 507, 507, 507, 507, 507,
    507, 507, 507, 507, 268, 268, 498, 498, 498, 463, 894, 579, 544, 533, 615, 488, 459, 631, 623, 252, 319, 520,
    420, 855, 646, 662, 517, 673, 543, 459, 487, 642, 567, 890, 519, 487, 468, 307, 386, 307, 498, 498, 291, 479,
    525, 423, 525, 498, 305, 471, 525, 229, 239, 455, 229, 799, 525, 527, 525, 525, 349, 391, 335, 525, 452, 715,
    433, 453, 395, 314, 460, 314, 498, 507, 507, 507, 250, 507, 418, 690, 498, 498, 507, 1038, 459, 339, 459, 487,
    468, 468, 507, 250, 250, 418, 418, 498, 498, 905, 507, 705, 391, 339, 391, 346, 395, 395, 226, 395, 381, 430,
    498, 579, 498, 498, 393, 834, 459, 512, 498, 306, 507, 468, 339, 498, 312, 248, 292, 550, 586, 252, 307, 479,
    391, 512, 423, 469, 264, 395, 543, 579, 579, 579, 579, 420, 533, 533, 533, 488, 488, 488, 488, 252, 252, 615,
    625, 646, 646, 662, 662, 662, 662, 498, 543, 642, 642, 642, 642, 487, 487, 527, 349, 479, 479, 479, 479, 229,
    423, 423, 423, 498, 498, 498, 498, 229, 229, 568, 552, 525, 525, 527, 527, 527, 527, 498, 349, 525, 525, 525,
    525, 453, 335, 226,
};

std::vector<int> widthsOfObject(const std::string& file, int number) {
  std::vector<int> widths;
  std::size_t pos = file.find('[', pdftest::objectStart(file, number)) + 1;
  const std::size_t end = file.find(']', pos);
  while (pos < end) {
    const std::size_t next = file.find_first_of(" ]", pos + 1);
    if (next > pos + 1) widths.push_back(std::stoi(file.substr(pos, next - pos)));
    pos = next;
  }
  return widths;
}

TEST_F(PdfDocument, FirstTextOfANewDocumentIsItsPageStream) {
  TMyPDF pdf;
  pdf.createNew(false);
  EXPECT_EQ(pdf.outputFileName(), "my_preview.pdf");
  pdf.textOut("Nalog", 8, true, 0, 0, 1, 1);
  const std::string file = save(pdf, "first.pdf");

  const std::string text = "0 Tr\n/MFCN 8 Tf\n-7 Ts\n0 0 0 rg\nBT\n1 0 0 1 72 720 Tm\n(Nalog)Tj\nET\n";
  EXPECT_NE(file.find("4 0 obj\n<<\n/Length " + std::to_string(text.size()) + ">>\nstream\n" + text +
                      "endstream\nendobj\n"),
            std::string::npos);
  EXPECT_EQ(file.rfind("%PDF-1.3\n", 0), 0u);
  EXPECT_NE(file.find("1 0 obj\n<<\n/Type /Catalog/Pages 2 0 R>>\nendobj\n"), std::string::npos);
  expectValid(dir / "first.pdf");
}

TEST_F(PdfDocument, CrossReferenceOfANewDocumentStartsWithTheFreeObjectZero) {
  TMyPDF pdf;
  pdf.createNew(false);
  const std::string file = save(pdf, "xref.pdf");
  const std::size_t xref = file.rfind("\nxref\r") + 1;
  ASSERT_NE(xref, 0u);
  EXPECT_EQ(file.substr(xref, 29), "xref\r0 1\r0000000000 65535 f\r\n");
  // Every entry line is 20 bytes.
  EXPECT_NE(file.find(" 00000 n\r\n", xref), std::string::npos);
  EXPECT_NE(file.find("trailer\r<<\r/Size 25\r/Root 1 0 R\r>>\rstartxref\r" + std::to_string(xref) + "\r%%EOF\r"),
            std::string::npos);
  expectValid(dir / "xref.pdf");
}

TEST_F(PdfDocument, TwoPageDocumentHasTwentySixObjects) {
  TMyPDF pdf;
  pdf.createNew(false);
  pdf.addPage(false);
  EXPECT_EQ(pdf.pageCount(), 2);
  const std::string file = save(pdf, "two.pdf");
  EXPECT_NE(file.find("/Size 27\r"), std::string::npos);
  EXPECT_NE(file.find("\r9 0 obj\r<< /Length 1018 >>\rstream\r\n/CIDInit /ProcSet findresource begin\r"),
            std::string::npos);
  EXPECT_NE(file.find("2 0 obj\r<<\n/Type /Pages/Count 2/Kids [ 3 0 R 5 0 R ]"), std::string::npos);
  EXPECT_NE(file.find("5 0 obj\r<<\n/Type /Page/Parent 2 0 R/Contents 6 0 R/Resources <<\n/Font <<\n/MFCN 7 0 R"
                      "/MFCNI 10 0 R/MFTNR 11 0 R/MFTNRI 12 0 R/MFCAL 13 0 R/MFVERI 20 0 R/MFVER 17 0 R"
                      "/MFCALI 24 0 R/MFTAH 13 0 R/MFTAHI 24 0 R>>\n>>\n>>\nendobj\r"),
            std::string::npos);
  const std::size_t xref = file.rfind("\nxref\r");
  for (int number = 1; number <= 26; ++number) {
    EXPECT_NE(file.find("\n" + std::to_string(number) + " 1\r", xref), std::string::npos) << number;
  }
  // Fonts first (a+2, a+3, a+1, a+4 ...), then streams, pages, nodes and the catalog last.
  std::vector<std::size_t> positions;
  for (int number : {8, 9, 7, 10, 26, 4, 6, 3, 5, 2, 1}) positions.push_back(pdftest::objectStart(file, number));
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_EQ(std::count(positions.begin(), positions.end(), std::string::npos), 0);
  expectValid(dir / "two.pdf");
}

TEST_F(PdfDocument, LandscapePagesAreRotatedAndSelectingOutsideIsIgnored) {
  TMyPDF pdf;
  pdf.createNew(true);
  pdf.addPage(false);
  pdf.selectPage(1);
  pdf.selectPage(5);
  pdf.selectPage(-1);
  EXPECT_EQ(pdf.currentPage(), 1);
  pdf.drawLine("crna", 10, 20, 30, 40, 90, 1, false, true);
  const std::string file = save(pdf, "landscape.pdf");
  EXPECT_NE(file.find("3 0 obj\r<<\n/Type /Page/Rotate 90/Parent 2 0 R"), std::string::npos);
  EXPECT_NE(file.find("5 0 obj\r<<\n/Type /Page/Rotate 90/Parent 2 0 R"), std::string::npos);
  const std::string line = "[] 0 d\r1 w\r0.0 0.0 0.0 RG\r20 10 m\r40 30 l\rS\r";
  EXPECT_NE(file.find("6 0 obj\n<<\n/Length " + std::to_string(line.size()) + ">>\nstream\n" + line + "endstream"),
            std::string::npos);
  EXPECT_NE(file.find("4 0 obj\n<<\n/Length 0>>\nstream\nendstream\nendobj\n"), std::string::npos);
  expectValid(dir / "landscape.pdf");
}

TEST_F(PdfDocument, InchOperationsRoundToWholePointsAndUnderlineFollowsTheText) {
  TMyPDF pdf;
  pdf.createNew(false);
  pdf.drawLineInch("crna", 0.5, 1.0, 8.0, 1.0, 0, 1, false, true);
  pdf.drawRectInch("crna", "nema", 1, false, 0, 0.5, 10.5, 7.5, 0.3);
  pdf.fontStyle().setStyle("fsUnderline", "Calibri", 100);
  pdf.textOut("Podvučeno", 10, true, 0, 0, 2, 1);
  const std::string file = save(pdf, "inch.pdf");
  EXPECT_NE(file.find("36 720 m\r576 720 l\rS\r"), std::string::npos);
  EXPECT_NE(file.find("36 734 540 22 re\rS\r"), std::string::npos);
  EXPECT_NE(file.find("(Podvu\xE8" "eno)Tj\nET\n[] 0 d\r1 w\r0.0 0.0 0.0 RG\r72 639 m\r149 639 l\rS\r"),
            std::string::npos);
  expectValid(dir / "inch.pdf");
}

TEST_F(PdfDocument, TextComesBackWithEveryBosnianLetterInEveryFont) {
  TMyPDF pdf;
  pdf.createNew(false);
  const std::string fonts[] = {"Courier New", "Times New Roman", "Calibri", "Verdana", "Tahoma"};
  double y = 1;
  for (const auto& font : fonts) {
    for (std::string_view style : {"", "fsItalic", "fsBold"}) {
      pdf.fontStyle().setStyle(style, font, 0);
      pdf.textOut(std::string("red") + std::to_string(static_cast<int>(y * 10)) + " " + std::string(kBosnianLetters) +
                      " (zagrade) C:\\kelma\\",
                  10, true, 0, 0, y, 1);
      y += 0.5;
    }
  }
  pdf.fontStyle().setStyle("", "Calibri", 0);
  pdf.textOut("日本 €", 10, true, 0, 0, y, 1);
  save(pdf, "letters.pdf");
  expectValid(dir / "letters.pdf");

  const auto text = run("pdftotext -layout " + quoted(dir / "letters.pdf") + " -");
  ASSERT_EQ(text.exitCode, 0) << text.output;
  for (int line = 10; line < 10 + 15 * 5; line += 5) {
    const std::string expected = "red" + std::to_string(line) + " " + std::string(kBosnianLetters) + " (zagrade) C:\\kelma\\";
    EXPECT_NE(text.output.find(expected), std::string::npos) << expected << "\n" << text.output;
  }
  EXPECT_NE(text.output.find("?? €"), std::string::npos) << text.output;
}

TEST_F(PdfDocument, CarlitoIsEmbeddedWithItsRealLengthsAndWidths) {
  TMyPDF pdf;
  pdf.createNew(false);
  const std::string file = save(pdf, "fonts.pdf");
  const auto fonts = run("pdffonts " + quoted(dir / "fonts.pdf"));
  ASSERT_EQ(fonts.exitCode, 0) << fonts.output;
  EXPECT_TRUE(std::regex_search(fonts.output, std::regex("\nCarlito +TrueType +Custom +yes ")));
  EXPECT_TRUE(std::regex_search(fonts.output, std::regex("\nCarlito-Italic +TrueType +Custom +yes ")));
  EXPECT_TRUE(std::regex_search(fonts.output, std::regex("\nCourierNew +TrueType +Custom +no ")));
  EXPECT_TRUE(std::regex_search(fonts.output, std::regex("\nTimesNewRoman +TrueType +Custom +no ")));

  // a = 4: the programs are objects 14 and 21, the widths 17 and 24.
  const auto files = PdfFontFiles::installed();
  EXPECT_EQ(pdftest::integerAfter(file, pdftest::objectStart(file, 14), "/Length1"),
            static_cast<long long>(std::filesystem::file_size(files.regular)));
  EXPECT_EQ(pdftest::integerAfter(file, pdftest::objectStart(file, 21), "/Length1"),
            static_cast<long long>(std::filesystem::file_size(files.italic)));
  for (int number : {14, 21}) {
    const std::size_t object = pdftest::objectStart(file, number);
    const long long length = pdftest::integerAfter(file, object, "/Length");
    const std::size_t data = file.find("stream\r\n", object) + 8;
    EXPECT_EQ(file.substr(data + static_cast<std::size_t>(length), 10), "\nendstream") << number;
    const auto inflated = run("qpdf --show-object=" + std::to_string(number) + " --filtered-stream-data " +
                              quoted(dir / "fonts.pdf") + " | cmp - " +
                              quoted(number == 14 ? files.regular : files.italic));
    EXPECT_EQ(inflated.exitCode, 0) << inflated.output;
  }
  const std::vector<int> regular = widthsOfObject(file, 17);
  EXPECT_EQ(regular, std::vector<int>(std::begin(kCarlitoWidths), std::end(kCarlitoWidths)));
  const std::vector<int> italic = widthsOfObject(file, 24);
  EXPECT_EQ(italic.size(), 224u);
  EXPECT_NE(italic, regular);
  EXPECT_NE(file.find("\r22 0 obj\r<< /Type /Font /BaseFont /Carlito-Italic /Subtype /TrueType /FirstChar 32 "
                      "/LastChar 255 /Widths 24 0 R /FontDescriptor 23 0 R /Encoding 20 0 R >>"),
            std::string::npos);
  expectValid(dir / "fonts.pdf");
}

TEST_F(PdfDocument, MissingFontFilesLeaveAValidDocumentWithReferencedFonts) {
  TMyPDF pdf;
  pdf.createNew(false);
  pdf.setFontFiles({dir / "none-regular.ttf", dir / "none-italic.ttf"});
  pdf.fontStyle().setStyle("", "Calibri", 0);
  pdf.textOut(std::string(kBosnianLetters), 10, true, 0, 0, 1, 1);
  const std::string file = save(pdf, "nofonts.pdf");
  EXPECT_EQ(file.find("/FontFile2"), std::string::npos);
  EXPECT_NE(file.find("\r14 0 obj\rnull\rendobj\r"), std::string::npos);
  expectValid(dir / "nofonts.pdf");
  const auto fonts = run("pdffonts " + quoted(dir / "nofonts.pdf"));
  EXPECT_TRUE(std::regex_search(fonts.output, std::regex("\nCarlito +TrueType +Custom +no ")));
}

TEST_F(PdfDocument, SavingTwiceWritesTheSameBytes) {
  TMyPDF pdf;
  pdf.createNew(false);
  pdf.textOut("jednom", 8, true, 0, 0, 1, 1);
  const std::string first = save(pdf, "once.pdf");
  pdf.saveToFile();
  EXPECT_EQ(readFile(dir / "once.pdf"), first);
}

TEST_F(PdfDocument, AnUnwritableOutputIsReported) {
  TMyPDF pdf;
  pdf.createNew(false);
  pdf.setOutputFileName(dir / "missing-folder" / "x.pdf");
  try {
    pdf.saveToFile();
    FAIL() << "no error";
  } catch (const PdfError& error) {
    EXPECT_NE(std::string(error.what()).find("Ne mogu da snimim PDF fajl"), std::string::npos);
  }
}

}  // namespace
}  // namespace tarvo
