#pragma once

// The application's PDF writer: a new 8.5 x 11 in document, or a PDF form whose pages get the
// drawing as an incremental update. Text arrives in UTF-8 and is written in code page 1250.
// Failures throw PdfError with the Bosnian message for the user.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reporting/pdf/font_style.h"
#include "reporting/pdf/pdf_fonts.h"
#include "reporting/pdf/pdf_objects.h"
#include "reporting/pdf/pdf_reader.h"
#include "reporting/pdf/pdf_xref.h"

namespace tarvo {

class TMyPDF {
 public:
  TMyPDF();
  ~TMyPDF();
  TMyPDF(const TMyPDF&) = delete;
  TMyPDF& operator=(const TMyPDF&) = delete;

  // Catalog, one page-tree node and one page, which is current; output "my_preview.pdf".
  void createNew(bool landscape);
  // Reads the form; its first page is current. Throws on a missing, damaged or unsupported form.
  void createFromForm(const std::filesystem::path& outputName, const std::filesystem::path& formFile);

  // A new page under the receiving page-tree node; with `copyFormPage` a copy of the form's first page.
  void addPage(bool copyFormPage);
  // Index from 0; an index outside the pages is ignored.
  void selectPage(int index);

  TMyPdfFontStyle& fontStyle() { return fontStyle_; }

  // Size in points; x and y in inches, y from the top or from the bottom.
  void textOut(std::string_view text, int size, bool yFromTop, int itemAngle, int pageRotation, double y,
               double x);
  // Coordinates in points.
  void drawLine(std::string_view strokeColour, int x1, int y1, int x2, int y2, int pageRotation, int lineWidth,
                bool dashed, bool yFromTop);
  // Left and top in points from the bottom of the page.
  void drawRect(std::string_view strokeColour, std::string_view fillColour, int lineWidth, bool dashed,
                int pageRotation, int left, int top, int width, int height);
  void drawCircle(std::string_view strokeColour, std::string_view fillColour, double factor, int lineWidth,
                  bool dashed, int radius, int centreY, int centreX);
  // The same in inches, rounded to whole points.
  void drawLineInch(std::string_view strokeColour, double x1, double y1, double x2, double y2, int pageRotation,
                    int lineWidth, bool dashed, bool yFromTop);
  void drawRectInch(std::string_view strokeColour, std::string_view fillColour, int lineWidth, bool dashed,
                    int pageRotation, double left, double top, double width, double height);

  // Writes the complete file; a second call writes the same bytes again.
  void saveToFile();
  // Starts the system's viewer on the written file without waiting; false when it could not start.
  bool openInViewer() const;

  const std::filesystem::path& outputFileName() const { return outputFileName_; }
  void setOutputFileName(std::filesystem::path name) { outputFileName_ = std::move(name); }
  // Written as /MediaBox of new pages when not empty, e.g. "[ 0 0 612 792 ]".
  void setMediaBox(std::string mediaBox) { mediaBox_ = std::move(mediaBox); }
  // The Carlito programs to embed; by default the installed package's.
  void setFontFiles(PdfFontFiles files) { fontFiles_ = std::move(files); }

  int pageCount() const { return static_cast<int>(pages_.size()); }
  int currentPage() const { return currentPage_; }

 private:
  // A dictionary and the indirect object that must be written again when it changes.
  struct Holder {
    TBPdfDictionary* dict;
    TPdfObject* owner;
  };

  void reset();
  int nextNumber() { return ++objectCounter_; }
  TPdfObject* object(int number) const;
  // An object of the form, read on first use.
  TPdfObject* formObject(int number);
  void readPageTree(int number, const TBPdfDictionary& inherited, int depth);
  TPdfStream& newContentStream(TPdfPage& page);
  void append(const std::string& text);
  // The dictionary under `key`, made when missing and read from the form when referenced.
  Holder childDictionary(Holder parent, std::string_view key);
  void addFontResources(TPdfPage& page, int firstFont);
  void buildAppendedBytes();

  std::filesystem::path outputFileName_;
  bool landscape_ = false;
  TPdfRefTable refTable_;
  std::unique_ptr<TPdfCatalog> catalog_;
  std::vector<std::unique_ptr<TPdfPages>> nodes_;
  std::vector<std::unique_ptr<TPdfPage>> pages_;
  std::vector<std::unique_ptr<TPdfStream>> streams_;
  std::vector<std::unique_ptr<TPdfObject>> others_;
  std::map<int, TPdfObject*> byNumber_;
  int receivingNode_ = 0;
  int currentPage_ = 0;
  int objectCounter_ = 0;
  std::string formBytes_;
  std::optional<PdfFormReader> form_;
  std::unique_ptr<TBPdfDictionary> formFirstPage_;  // as read, for copies
  std::string appended_;
  bool saved_ = false;
  std::string mediaBox_;
  TMyPdfFontStyle fontStyle_;
  PdfFontFiles fontFiles_;
};

}  // namespace tarvo
