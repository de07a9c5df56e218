#include "reporting/pdf/pdf_objects.h"
#include "reporting/pdf/pdf_values.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

std::unique_ptr<TBPdfDictionary> dictionaryWith(std::string_view key, PdfValuePtr value) {
  auto dict = std::make_unique<TBPdfDictionary>();
  dict->add(key, std::move(value));
  return dict;
}

TEST(PdfValues, EachValueWritesItsPdfText) {
  auto array = std::make_unique<TBPdfArray>();
  array->append(pdfRef(4));
  array->append(pdfName("/X"));
  EXPECT_EQ(array->toText(), "[ 4 0 R /X ]");
  EXPECT_EQ(TBPdfArray().toText(), "[ ]");
  EXPECT_EQ(TBPdfObjRef(12, 3).toText(), "12 3 R");

  TBPdfDictionary dict;
  dict.add("/Type", pdfName("/Page"));
  dict.add("/Kids", std::move(array));
  EXPECT_EQ(dict.toText(), "<<\n/Type /Page/Kids [ 4 0 R /X ]>>\n");
  EXPECT_EQ(TBPdfStream().toText(), "stream\nendstream\n");
}

TEST(PdfValues, AddingToAnArrayKeepsNamesAndReferencesUnique) {
  TBPdfDictionary dict;
  ASSERT_TRUE(dict.add("/Kids", std::make_unique<TBPdfArray>()));
  EXPECT_TRUE(dict.add("/Kids", pdfRef(3)));
  EXPECT_TRUE(dict.add("/Kids", pdfRef(3)));
  EXPECT_TRUE(dict.add("/Kids", pdfRef(3, 1)));
  EXPECT_TRUE(dict.add("/Kids", pdfName("/A")));
  EXPECT_TRUE(dict.add("/Kids", pdfName("/A")));
  EXPECT_TRUE(dict.add("/Kids", pdfInt(7)));
  EXPECT_TRUE(dict.add("/Kids", pdfInt(7)));
  EXPECT_EQ(dict.find("/Kids")->toText(), "[ 3 0 R 3 1 R /A 7 7 ]");
}

TEST(PdfValues, AddingASecondSingleValueMakesAPairUnlessAReferenceMeetsANonReference) {
  TBPdfDictionary dict;
  dict.add("/Contents", pdfRef(5));
  EXPECT_TRUE(dict.add("/Contents", pdfRef(9)));
  EXPECT_EQ(dict.find("/Contents")->toText(), "[ 5 0 R 9 0 R ]");

  dict.add("/Rotate", pdfInt(0));
  EXPECT_TRUE(dict.add("/Rotate", pdfInt(90)));
  EXPECT_EQ(dict.find("/Rotate")->toText(), "[ 0 90 ]");

  dict.add("/Resources", pdfRef(11));
  EXPECT_FALSE(dict.add("/Resources", std::make_unique<TBPdfDictionary>()));
  EXPECT_EQ(dict.find("/Resources")->toText(), "11 0 R");
  EXPECT_EQ(dictionaryAddError("/Resources"), "Greška pri dodavanju ključa /Resources u rječnik!");
}

TEST(PdfValues, DictionariesMergeRecursively) {
  TBPdfDictionary page;
  auto fonts = dictionaryWith("/F1", pdfRef(20));
  page.add("/Resources", dictionaryWith("/Font", std::move(fonts)));

  auto moreFonts = dictionaryWith("/MFCN", pdfRef(30));
  auto resources = dictionaryWith("/Font", std::move(moreFonts));
  resources->add("/ProcSet", pdfName("/PDF"));
  EXPECT_TRUE(page.add("/Resources", std::move(resources)));
  EXPECT_EQ(page.toText(), "<<\n/Resources <<\n/Font <<\n/F1 20 0 R/MFCN 30 0 R>>\n/ProcSet /PDF>>\n>>\n");
}

TEST(PdfValues, RemovingMovesTheLastEntryIntoThePlace) {
  TBPdfDictionary dict;
  for (std::string_view key : {"/A", "/B", "/C", "/D"}) dict.add(key, pdfInt(1));
  EXPECT_TRUE(dict.remove("/B"));
  EXPECT_FALSE(dict.remove("/B"));
  ASSERT_EQ(dict.entries().size(), 3u);
  EXPECT_EQ(dict.entries()[0].key(), "/A");
  EXPECT_EQ(dict.entries()[1].key(), "/D");
  EXPECT_EQ(dict.entries()[2].key(), "/C");
  EXPECT_TRUE(dict.remove("/C"));
  EXPECT_EQ(dict.toText(), "<<\n/A 1/D 1>>\n");
}

TEST(PdfValues, IncrementingWorksOnWholeNumbersOnly) {
  TBPdfDictionary dict;
  dict.add("/Length", pdfInt(0));
  dict.add("/Name", pdfName("/X"));
  dict.add("/Real", pdfAtom("1.5"));
  EXPECT_TRUE(dict.increment("/Length", 58));
  EXPECT_TRUE(dict.increment("/Length", -8));
  EXPECT_EQ(dict.find("/Length")->toText(), "50");
  EXPECT_FALSE(dict.increment("/Name", 1));
  EXPECT_FALSE(dict.increment("/Real", 1));
  EXPECT_FALSE(dict.increment("/Missing", 1));
}

TEST(PdfValues, ACopyIsDeep) {
  TBPdfDictionary original;
  original.add("/Contents", std::make_unique<TBPdfArray>());
  original.add("/Contents", pdfRef(4));
  TBPdfDictionary copy = original;
  copy.add("/Contents", pdfRef(8));
  EXPECT_EQ(original.find("/Contents")->toText(), "[ 4 0 R ]");
  EXPECT_EQ(copy.find("/Contents")->toText(), "[ 4 0 R 8 0 R ]");
}

TEST(PdfObjects, EachKindHasItsLineEnds) {
  EXPECT_EQ(TPdfCatalog(1, 0, dictionaryWith("/Type", pdfName("/Catalog")), ObjectStatus::New).toText(),
            "1 0 obj\n<<\n/Type /Catalog>>\nendobj\n");
  EXPECT_EQ(TPdfPages(2, 0, dictionaryWith("/Count", pdfInt(0)), ObjectStatus::New).toText(),
            "2 0 obj\r<<\n/Count 0>>\nendobj\r");
  EXPECT_EQ(TPdfPage(3, 0, dictionaryWith("/Type", pdfName("/Page")), ObjectStatus::New).toText(),
            "3 0 obj\r<<\n/Type /Page>>\nendobj\r");
  TBPdfStream data;
  data.append("0 Tr\n");
  EXPECT_EQ(TPdfStream(4, 0, dictionaryWith("/Length", pdfInt(5)), data, ObjectStatus::New).toText(),
            "4 0 obj\n<<\n/Length 5>>\nstream\n0 Tr\nendstream\nendobj\n");
  // An atom must not run into the closing keyword.
  EXPECT_EQ(TPdfObject(7, 0, pdfInt(42), ObjectStatus::Changed).toText(), "7 0 obj\n42\nendobj\n");
}

TEST(PdfObjects, OnlyNewAndChangedObjectsAreWritten) {
  TPdfObject object(5, 0, pdfInt(1), ObjectStatus::Unchanged);
  EXPECT_FALSE(object.needsWriting());
  object.markChanged();
  EXPECT_EQ(object.status(), ObjectStatus::Changed);
  TPdfObject fresh(6, 0, pdfInt(1), ObjectStatus::New);
  fresh.markChanged();
  EXPECT_EQ(fresh.status(), ObjectStatus::New);
}

}  // namespace
}  // namespace tarvo
