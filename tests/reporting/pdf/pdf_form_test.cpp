#include "reporting/pdf/my_pdf.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <functional>

#include "pdf_test_tools.h"
#include "reporting/pdf/pdf_error.h"

namespace tarvo {
namespace {

using pdftest::kBosnianLetters;
using pdftest::quoted;
using pdftest::readFile;
using pdftest::run;

class PdfForm : public ::testing::Test {
 protected:
  pdftest::TempDir dir{"tarvo-pdf-form"};

  void SetUp() override {
    pdftest::writeFile(dir / "hand.pdf", pdftest::handMadeForm({"Obrazac prva", "Obrazac druga"}));
  }

  // The hand-made form as another program writes it.
  std::filesystem::path madeBy(std::string_view maker) {
    const auto hand = dir / "hand.pdf";
    if (maker == "hand") return hand;
    const auto out = dir / (std::string(maker) + ".pdf");
    const std::string command = maker == "qpdf"
                                    ? "qpdf --object-streams=disable " + quoted(hand) + " " + quoted(out)
                                    : "pdftocairo -pdf " + quoted(hand) + " " + quoted(out);
    const auto made = run(command);
    EXPECT_EQ(made.exitCode, 0) << made.output;
    return out;
  }

  std::string pageText(const std::filesystem::path& file, int page) {
    const auto text = run(fmt::format("pdftotext -f {0} -l {0} {1} -", page, quoted(file)));
    EXPECT_EQ(text.exitCode, 0) << text.output;
    return text.output;
  }
};

class PdfFormMaker : public PdfForm, public ::testing::WithParamInterface<std::string> {};

TEST_P(PdfFormMaker, DrawingIsAppendedAsAnUpdateThatOutsideToolsAccept) {
  const auto form = madeBy(GetParam());
  const std::string formBytes = readFile(form);
  const auto output = dir / "filled.pdf";

  TMyPDF pdf;
  pdf.createFromForm(output, form);
  EXPECT_EQ(pdf.pageCount(), 2);
  EXPECT_EQ(pdf.currentPage(), 0);
  pdf.fontStyle().setStyle("fsBold", "Calibri", 0);
  pdf.textOut(std::string("Upisano ") + std::string(kBosnianLetters), 12, true, 0, 0, 3, 1);
  pdf.drawRect("crna", "nema", 1, false, 0, 60, 700, 300, 40);
  pdf.addPage(true);
  pdf.selectPage(2);
  pdf.textOut("Kopija prve strane", 12, true, 0, 0, 3, 1);
  pdf.saveToFile();

  const std::string written = readFile(output);
  ASSERT_GT(written.size(), formBytes.size());
  EXPECT_EQ(written.compare(0, formBytes.size(), formBytes), 0) << "the form's bytes stay as they were";

  const std::size_t formStartxref = formBytes.rfind("startxref");
  const long long prev = pdftest::integerAfter(formBytes, formStartxref, "startxref");
  const std::size_t trailer = written.rfind("trailer\r");
  EXPECT_EQ(pdftest::integerAfter(written, trailer, "/Prev"), prev);
  // One stream for the drawn form page, the copy and its stream, and the twenty fonts.
  const long long formSize = pdftest::integerAfter(formBytes, formBytes.rfind("/Size"), "/Size");
  EXPECT_EQ(pdftest::integerAfter(written, trailer, "/Size"), formSize + 23);
  EXPECT_TRUE(pdftest::misplacedXrefEntries(written).empty());

  const auto check = run("qpdf --check " + quoted(output));
  EXPECT_EQ(check.exitCode, 0) << check.output;
  EXPECT_EQ(run("qpdf --show-npages " + quoted(output)).output, "3\n");

  const std::string first = pageText(output, 1);
  EXPECT_NE(first.find("brazac prva"), std::string::npos) << first;
  EXPECT_NE(first.find(std::string("Upisano ") + std::string(kBosnianLetters)), std::string::npos) << first;
  const std::string second = pageText(output, 2);
  EXPECT_NE(second.find("brazac druga"), std::string::npos) << second;
  EXPECT_EQ(second.find("Upisano"), std::string::npos) << second;
  const std::string copy = pageText(output, 3);
  EXPECT_NE(copy.find("brazac prva"), std::string::npos) << copy;
  EXPECT_NE(copy.find("Kopija prve strane"), std::string::npos) << copy;
  EXPECT_EQ(copy.find("Upisano"), std::string::npos) << "the copy starts from the form's page as read";
}

INSTANTIATE_TEST_SUITE_P(Makers, PdfFormMaker, ::testing::Values("hand", "qpdf", "pdftocairo"));

TEST_F(PdfForm, PagesNotDrawnOnStayAsTheFormHasThem) {
  const auto output = dir / "untouched.pdf";
  TMyPDF pdf;
  pdf.createFromForm(output, dir / "hand.pdf");
  pdf.selectPage(1);
  pdf.textOut("samo druga", 10, true, 0, 0, 2, 1);
  pdf.saveToFile();
  const std::string appended = readFile(output).substr(readFile(dir / "hand.pdf").size());
  EXPECT_EQ(pdftest::objectStart(appended, 3), std::string::npos) << "page 1 is not written again";
  EXPECT_NE(pdftest::objectStart(appended, 5), std::string::npos);
  EXPECT_EQ(run("qpdf --check " + quoted(output)).exitCode, 0);
}

TEST_F(PdfForm, NewPagesCountInEveryAncestorAndInheritWhatTheirNodeGives) {
  const auto form = dir / "nested.pdf";
  const std::string content = "BT /F1 18 Tf 72 700 Td (Obrazac duboko) Tj ET\n";
  pdftest::writeFile(form, pdftest::classicPdf({
                               "<< /Type /Catalog /Pages 2 0 R >>",
                               "<< /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox [0 0 612 792] >>",
                               "<< /Type /Pages /Parent 2 0 R /Kids [4 0 R] /Count 1 "
                               "/Resources << /Font << /F1 6 0 R >> >> >>",
                               "<< /Type /Page /Parent 3 0 R /Contents 5 0 R >>",
                               fmt::format("<< /Length {} >>\nstream\n{}endstream", content.size(), content),
                               "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
                           }));
  const auto output = dir / "nested-out.pdf";
  TMyPDF pdf;
  pdf.createFromForm(output, form);
  pdf.addPage(false);
  pdf.addPage(true);
  pdf.selectPage(1);
  pdf.textOut("Nova strana", 12, true, 0, 0, 2, 1);
  pdf.saveToFile();

  const std::string appended = readFile(output).substr(readFile(form).size());
  for (int node : {2, 3}) {
    const std::size_t at = pdftest::objectStart(appended, node);
    ASSERT_NE(at, std::string::npos) << node;
    EXPECT_EQ(pdftest::integerAfter(appended, at, "/Count"), 3) << node;
  }
  EXPECT_EQ(run("qpdf --check " + quoted(output)).exitCode, 0) << run("qpdf --check " + quoted(output)).output;
  EXPECT_EQ(run("qpdf --show-npages " + quoted(output)).output, "3\n");
  EXPECT_NE(pageText(output, 2).find("Nova strana"), std::string::npos);
  EXPECT_NE(pageText(output, 3).find("Obrazac duboko"), std::string::npos);
}

TEST_F(PdfForm, AMissingFormIsReportedAndLeavesNoDocument) {
  TMyPDF pdf;
  try {
    pdf.createFromForm(dir / "out.pdf", dir / "nowhere.pdf");
    FAIL() << "no error";
  } catch (const PdfError& error) {
    EXPECT_STREQ(error.what(), "Fajl koji ste odabrali kao PDF-obrazac je nepostojeći!");
  }
  EXPECT_EQ(pdf.pageCount(), 0);
}

// Replaces `from` by `to` of the same length, so every offset stays where it was.
std::string patched(std::string bytes, std::string_view from, std::string_view to) {
  const std::size_t at = bytes.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(from.size(), to.size());
  if (at != std::string::npos) bytes.replace(at, from.size(), to);
  return bytes;
}

TEST_F(PdfForm, DamagedOrUnsupportedFormsFailWithAClearMessage) {
  const std::string hand = readFile(dir / "hand.pdf");
  const std::string damaged = "PDF-obrazac je oštećen (";
  const std::string unsupported = "PDF-obrazac nije podržan (";
  struct Case {
    std::string name;
    std::function<std::string()> bytes;
    std::string message;
  };
  const auto byQpdf = [this](const std::string& options) {
    const auto out = dir / "converted.pdf";
    const auto made = run("qpdf " + options + " " + quoted(dir / "hand.pdf") + " " + quoted(out));
    EXPECT_EQ(made.exitCode, 0) << made.output;
    return readFile(out);
  };
  const std::size_t catalogEntry = hand.find("0000000009 00000 n");
  const Case cases[] = {
      {"not a pdf", [] { return std::string("Ovo nije PDF."); }, damaged + "nema oznake startxref)!"},
      {"cut in half", [&] { return hand.substr(0, hand.size() / 2); }, damaged + "nema oznake startxref)!"},
      {"startxref past the end",
       [&] {
         std::string bytes = hand.substr(0, hand.rfind("startxref") + 10);
         return bytes + "99999999\n%%EOF\n";
       },
       damaged + "pomak tabele referenci je izvan fajla)!"},
      {"object offset past the end",
       [&] { return patched(hand, hand.substr(catalogEntry, 10), "0099999999"); },
       damaged + "objekat 1 je izvan fajla)!"},
      {"wrong stream length", [&] { return patched(hand, "/Length 4", "/Length 9"); },
       damaged + "neispravna dužina toka objekta 4)!"},
      {"broken catalog", [&] { return patched(hand, "/Type /Catalog", "/Type )Catalog"); },
       damaged + "neočekivan znak u objektu)!"},
      {"compressed cross-reference", [&] { return byQpdf("--object-streams=generate"); },
       unsupported + "komprimovana tabela referenci)!"},
      {"encrypted", [&] { return byQpdf("--object-streams=disable --encrypt u o 128 --use-aes=y --"); },
       unsupported + "šifrovan dokument)!"},
  };
  for (const auto& c : cases) {
    const auto form = dir / "bad.pdf";
    pdftest::writeFile(form, c.bytes());
    TMyPDF pdf;
    try {
      pdf.createFromForm(dir / "out.pdf", form);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const PdfError& error) {
      EXPECT_EQ(std::string(error.what()), c.message) << c.name;
    }
    EXPECT_EQ(pdf.pageCount(), 0) << c.name;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.pdf")) << c.name;
  }
}

}  // namespace
}  // namespace tarvo
