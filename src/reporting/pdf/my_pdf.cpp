#include "reporting/pdf/my_pdf.h"

#include <array>
#include <fstream>
#include <iterator>

#include "reporting/pdf/pdf_content.h"
#include "reporting/pdf/pdf_error.h"
#include "reporting/pdf/viewer.h"
#include "util/codepage.h"

namespace tarvo {

namespace {

constexpr std::array<std::string_view, 4> kInheritedKeys = {"/Resources", "/MediaBox", "/CropBox", "/Rotate"};
constexpr int kMaxTreeDepth = 256;

void require(bool ok, std::string_view key) {
  if (!ok) throw PdfError(dictionaryAddError(key));
}

[[noreturn]] void damaged(std::string_view detail) { throw PdfError(damagedFormMessage(detail)); }

std::unique_ptr<TBPdfDictionary> takeDictionary(PdfValuePtr value) {
  auto* dict = dynamic_cast<TBPdfDictionary*>(value.get());
  if (!dict) return nullptr;
  value.release();
  return std::unique_ptr<TBPdfDictionary>(dict);
}

std::string nameOf(const TBPdfDictionary& dict, std::string_view key) {
  const auto* name = dict.findAs<TBPdfName>(key);
  return name ? name->name() : std::string();
}

void replaceEntry(TBPdfDictionary& dict, std::string_view key, PdfValuePtr value) {
  dict.remove(key);
  dict.add(key, std::move(value));
}

}  // namespace

TMyPDF::TMyPDF() : fontFiles_(PdfFontFiles::installed()) {}

TMyPDF::~TMyPDF() = default;

void TMyPDF::reset() {
  form_.reset();
  formBytes_.clear();
  formFirstPage_.reset();
  catalog_.reset();
  nodes_.clear();
  pages_.clear();
  streams_.clear();
  others_.clear();
  byNumber_.clear();
  refTable_ = {};
  receivingNode_ = 0;
  currentPage_ = 0;
  objectCounter_ = 0;
  appended_.clear();
  saved_ = false;
  fontStyle_ = {};
  landscape_ = false;
}

void TMyPDF::createNew(bool landscape) {
  reset();
  landscape_ = landscape;
  outputFileName_ = "my_preview.pdf";

  auto catalog = std::make_unique<TBPdfDictionary>();
  catalog->add("/Type", pdfName("/Catalog"));
  catalog_ = std::make_unique<TPdfCatalog>(nextNumber(), 0, std::move(catalog), ObjectStatus::New);
  byNumber_[catalog_->number()] = catalog_.get();

  auto node = std::make_unique<TBPdfDictionary>();
  node->add("/Type", pdfName("/Pages"));
  node->add("/Count", pdfInt(0));
  node->add("/Kids", std::make_unique<TBPdfArray>());
  // The page size every page inherits: a page without one is not valid PDF.
  auto mediaBox = std::make_unique<TBPdfArray>();
  for (int value : {0, 0, 612, 792}) mediaBox->append(pdfInt(value));
  node->add("/MediaBox", std::move(mediaBox));
  nodes_.push_back(std::make_unique<TPdfPages>(nextNumber(), 0, std::move(node), ObjectStatus::New));
  byNumber_[nodes_.back()->number()] = nodes_.back().get();

  catalog_->dictionary()->add("/Pages", pdfRef(nodes_.back()->number()));
  addPage(false);
}

void TMyPDF::createFromForm(const std::filesystem::path& outputName, const std::filesystem::path& formFile) {
  reset();
  std::error_code error;
  std::ifstream in;
  if (std::filesystem::is_regular_file(formFile, error)) in.open(formFile, std::ios::binary);
  if (!in.is_open()) throw PdfError("Fajl koji ste odabrali kao PDF-obrazac je nepostojeći!");
  formBytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());

  try {
    form_.emplace(formBytes_);
    outputFileName_ = outputName;
    objectCounter_ = form_->highestObjectNumber();
    refTable_.highestInForm = objectCounter_;

    const TPdfTrailer& trailer = form_->trailer();
    PdfParsedObject root = form_->readObject(trailer.root);
    auto catalog = takeDictionary(std::move(root.value));
    if (!catalog) damaged("katalog nije rječnik");
    const auto* pagesRef = catalog->findAs<TBPdfObjRef>("/Pages");
    if (!pagesRef) damaged("katalog nema stablo strana");
    const int pagesNumber = pagesRef->number();
    catalog_ = std::make_unique<TPdfCatalog>(root.number, root.generation, std::move(catalog),
                                             ObjectStatus::Unchanged);
    byNumber_[catalog_->number()] = catalog_.get();

    readPageTree(pagesNumber, TBPdfDictionary{}, 0);
    if (nodes_.empty() || pages_.empty()) damaged("obrazac nema nijednu stranu");
    receivingNode_ = static_cast<int>(nodes_.size()) - 1;
    currentPage_ = 0;
    formFirstPage_ = std::make_unique<TBPdfDictionary>(*pages_.front()->dictionary());
  } catch (...) {
    reset();
    throw;
  }
}

TPdfObject* TMyPDF::object(int number) const {
  const auto it = byNumber_.find(number);
  return it == byNumber_.end() ? nullptr : it->second;
}

TPdfObject* TMyPDF::formObject(int number) {
  if (TPdfObject* found = object(number)) return found;
  if (!form_) return nullptr;
  PdfParsedObject parsed = form_->readObject(number);
  TPdfObject* result = nullptr;
  if (parsed.stream) {
    streams_.push_back(std::make_unique<TPdfStream>(parsed.number, parsed.generation,
                                                    takeDictionary(std::move(parsed.value)), *parsed.stream,
                                                    ObjectStatus::Unchanged));
    result = streams_.back().get();
  } else {
    others_.push_back(std::make_unique<TPdfObject>(parsed.number, parsed.generation, std::move(parsed.value),
                                                   ObjectStatus::Unchanged));
    result = others_.back().get();
  }
  byNumber_[number] = result;
  return result;
}

void TMyPDF::readPageTree(int number, const TBPdfDictionary& inherited, int depth) {
  if (object(number)) return;  // every object is read once, which also stops cycles
  if (depth > kMaxTreeDepth) damaged("stablo strana je preduboko");
  PdfParsedObject parsed = form_->readObject(number);
  auto dict = takeDictionary(std::move(parsed.value));
  if (!dict || parsed.stream) damaged("neispravan čvor stabla strana");

  // A reference to an array stands for the array itself; the writer adds to it directly.
  for (std::string_view key : {"/Kids", "/Contents"}) {
    if (const auto* ref = dict->findAs<TBPdfObjRef>(key)) {
      const TPdfObject* target = formObject(ref->number());
      if (const auto* array = dynamic_cast<const TBPdfArray*>(&target->value())) {
        replaceEntry(*dict, key, array->clone());
      }
    }
  }

  const std::string type = nameOf(*dict, "/Type");
  if (type == "/Pages" || (type.empty() && dict->contains("/Kids"))) {
    TBPdfDictionary passedOn = inherited;
    for (std::string_view key : kInheritedKeys) {
      if (const TBPdfValue* value = dict->find(key)) replaceEntry(passedOn, key, value->clone());
    }
    const auto* kids = dict->findAs<TBPdfArray>("/Kids");
    if (!kids) damaged("čvor stabla strana nema /Kids");
    std::vector<int> kidNumbers;
    for (const auto& kid : kids->items()) {
      const auto* ref = dynamic_cast<const TBPdfObjRef*>(kid.get());
      if (!ref) damaged("neispravan /Kids");
      kidNumbers.push_back(ref->number());
    }
    nodes_.push_back(std::make_unique<TPdfPages>(parsed.number, parsed.generation, std::move(dict),
                                                 ObjectStatus::Unchanged));
    byNumber_[number] = nodes_.back().get();
    for (int kid : kidNumbers) readPageTree(kid, passedOn, depth + 1);
    return;
  }

  // A page written again, or copied under another node, must carry what it inherited.
  for (std::string_view key : kInheritedKeys) {
    if (!dict->contains(key)) {
      if (const TBPdfValue* value = inherited.find(key)) dict->add(key, value->clone());
    }
  }
  std::vector<int> contents;
  if (const auto* ref = dict->findAs<TBPdfObjRef>("/Contents")) contents.push_back(ref->number());
  if (const auto* array = dict->findAs<TBPdfArray>("/Contents")) {
    for (const auto& item : array->items()) {
      if (const auto* ref = dynamic_cast<const TBPdfObjRef*>(item.get())) contents.push_back(ref->number());
    }
  }
  pages_.push_back(std::make_unique<TPdfPage>(parsed.number, parsed.generation, std::move(dict),
                                              ObjectStatus::Unchanged));
  byNumber_[number] = pages_.back().get();
  for (int stream : contents) formObject(stream);
}

void TMyPDF::addPage(bool copyFormPage) {
  TPdfPages& node = *nodes_.at(receivingNode_);
  std::unique_ptr<TBPdfDictionary> dict;
  if (copyFormPage && formFirstPage_) {
    dict = std::make_unique<TBPdfDictionary>(*formFirstPage_);
    dict->remove("/Parent");
  } else {
    dict = std::make_unique<TBPdfDictionary>();
    dict->add("/Type", pdfName("/Page"));
    if (!mediaBox_.empty()) dict->add("/MediaBox", pdfAtom(mediaBox_));
    if (landscape_) dict->add("/Rotate", pdfInt(90));
  }
  require(dict->add("/Parent", pdfRef(node.number(), node.generation())), "/Parent");
  auto page = std::make_unique<TPdfPage>(nextNumber(), 0, std::move(dict), ObjectStatus::New);

  require(node.dictionary()->add("/Kids", pdfRef(page->number())), "/Kids");
  TPdfObject* ancestor = &node;
  for (std::size_t step = 0; ancestor && step <= nodes_.size(); ++step) {
    require(ancestor->dictionary()->increment("/Count", 1), "/Count");
    ancestor->markChanged();
    const auto* parent = ancestor->dictionary()->findAs<TBPdfObjRef>("/Parent");
    ancestor = parent ? object(parent->number()) : nullptr;
  }

  byNumber_[page->number()] = page.get();
  pages_.push_back(std::move(page));
  newContentStream(*pages_.back());
}

void TMyPDF::selectPage(int index) {
  if (index >= 0 && index < pageCount()) currentPage_ = index;
}

TPdfStream& TMyPDF::newContentStream(TPdfPage& page) {
  auto dict = std::make_unique<TBPdfDictionary>();
  dict->add("/Length", pdfInt(0));
  auto stream = std::make_unique<TPdfStream>(nextNumber(), 0, std::move(dict), TBPdfStream{}, ObjectStatus::New);
  require(page.dictionary()->add("/Contents", pdfRef(stream->number())), "/Contents");
  page.markChanged();
  page.contentStream = static_cast<int>(streams_.size());
  byNumber_[stream->number()] = stream.get();
  streams_.push_back(std::move(stream));
  return *streams_.back();
}

void TMyPDF::append(const std::string& text) {
  TPdfPage& page = *pages_.at(currentPage_);
  TPdfStream& stream = page.contentStream < 0 ? newContentStream(page) : *streams_.at(page.contentStream);
  stream.stream().append(text);
  require(stream.dictionary()->increment("/Length", static_cast<long long>(text.size())), "/Length");
}

void TMyPDF::textOut(std::string_view text, int size, bool yFromTop, int itemAngle, int pageRotation, double y,
                     double x) {
  append(textOperators(fontStyle_, utf8ToCp1250(text), size, yFromTop, itemAngle, pageRotation, y, x));
  if (fontStyle_.underline == "u1") {
    const int lineY = roundPoints(y * 72 + 9);
    drawLine("crna", roundPoints(x * 72), lineY, roundPoints(x * 72 + fontStyle_.measuredWidth * 0.768), lineY,
             pageRotation, 1, false, true);
  }
}

void TMyPDF::drawLine(std::string_view strokeColour, int x1, int y1, int x2, int y2, int pageRotation,
                      int lineWidth, bool dashed, bool yFromTop) {
  append(lineOperators(strokeColour, x1, y1, x2, y2, pageRotation, lineWidth, dashed, yFromTop));
}

void TMyPDF::drawRect(std::string_view strokeColour, std::string_view fillColour, int lineWidth, bool dashed,
                      int pageRotation, int left, int top, int width, int height) {
  append(rectOperators(strokeColour, fillColour, lineWidth, dashed, pageRotation, left, top, width, height));
}

void TMyPDF::drawCircle(std::string_view strokeColour, std::string_view fillColour, double factor, int lineWidth,
                        bool dashed, int radius, int centreY, int centreX) {
  append(circleOperators(strokeColour, fillColour, factor, lineWidth, dashed, radius, centreY, centreX));
}

void TMyPDF::drawLineInch(std::string_view strokeColour, double x1, double y1, double x2, double y2,
                          int pageRotation, int lineWidth, bool dashed, bool yFromTop) {
  drawLine(strokeColour, roundPoints(x1 * 72), roundPoints(y1 * 72), roundPoints(x2 * 72), roundPoints(y2 * 72),
           pageRotation, lineWidth, dashed, yFromTop);
}

void TMyPDF::drawRectInch(std::string_view strokeColour, std::string_view fillColour, int lineWidth, bool dashed,
                          int pageRotation, double left, double top, double width, double height) {
  drawRect(strokeColour, fillColour, lineWidth, dashed, pageRotation, roundPoints(left * 72), roundPoints(top * 72),
           roundPoints(width * 72), roundPoints(height * 72));
}

TMyPDF::Holder TMyPDF::childDictionary(Holder parent, std::string_view key) {
  TBPdfValue* value = parent.dict->find(key);
  if (!value) {
    require(parent.dict->add(key, std::make_unique<TBPdfDictionary>()), key);
    parent.owner->markChanged();
    return {parent.dict->findAs<TBPdfDictionary>(key), parent.owner};
  }
  if (auto* dict = dynamic_cast<TBPdfDictionary*>(value)) return {dict, parent.owner};
  if (const auto* ref = dynamic_cast<TBPdfObjRef*>(value)) {
    TPdfObject* target = formObject(ref->number());
    if (target && target->dictionary()) return {target->dictionary(), target};
  }
  throw PdfError(dictionaryAddError(key));
}

void TMyPDF::addFontResources(TPdfPage& page, int firstFont) {
  const Holder resources = childDictionary({page.dictionary(), &page}, "/Resources");
  const Holder fonts = childDictionary(resources, "/Font");
  for (const auto& [name, number] : fontResources(firstFont)) {
    const std::string key = "/" + name;
    if (fonts.dict->contains(key)) continue;
    require(fonts.dict->add(key, pdfRef(number)), key);
    fonts.owner->markChanged();
  }
}

void TMyPDF::buildAppendedBytes() {
  const bool isNew = !form_;
  appended_.clear();
  if (isNew) {
    appended_ = "%PDF-1.3\n";
  } else if (!formBytes_.empty() && formBytes_.back() != '\n' && formBytes_.back() != '\r') {
    appended_ = "\n";  // the update starts on a line of its own
  }
  const auto base = static_cast<std::int64_t>(formBytes_.size());
  const auto write = [this, base](const TPdfObject& object) {
    refTable_.record(object.number(), base + static_cast<std::int64_t>(appended_.size()), object.generation());
    appended_ += object.toText();
  };

  const int firstFont = objectCounter_;
  objectCounter_ += kFontObjectCount;
  const auto regular = loadFontFace(fontFiles_.regular);
  const auto italic = loadFontFace(fontFiles_.italic);
  for (const auto& font : fontObjects(firstFont, *regular, *italic)) {
    refTable_.record(font.number, base + static_cast<std::int64_t>(appended_.size()), 0);
    appended_ += font.text;
  }
  for (const auto& stream : streams_) {
    if (stream->needsWriting()) write(*stream);
  }
  for (const auto& page : pages_) {
    if (!page->needsWriting()) continue;
    addFontResources(*page, firstFont);
    write(*page);
  }
  for (const auto& node : nodes_) {
    if (node->needsWriting()) write(*node);
  }
  // Index loop: writing may not add objects, but a shared resource read above sits here too.
  for (std::size_t i = 0; i < others_.size(); ++i) {
    if (others_[i]->needsWriting()) write(*others_[i]);
  }
  if (catalog_->needsWriting()) write(*catalog_);

  refTable_.highestInUse = objectCounter_;
  TPdfTrailer& trailer = refTable_.trailer;
  if (isNew) {
    trailer.size = objectCounter_ + 1;
    trailer.root = catalog_->number();
  } else {
    trailer = form_->trailer();
    trailer.size = form_->trailer().size + (objectCounter_ - refTable_.highestInForm);
  }
  refTable_.startxref = base + static_cast<std::int64_t>(appended_.size());
  appended_ += refTable_.toText(refTable_.startxref, isNew);
}

void TMyPDF::saveToFile() {
  if (!saved_) {
    buildAppendedBytes();
    saved_ = true;
  }
  std::ofstream out(outputFileName_, std::ios::binary | std::ios::trunc);
  out.write(formBytes_.data(), static_cast<std::streamsize>(formBytes_.size()));
  out.write(appended_.data(), static_cast<std::streamsize>(appended_.size()));
  out.close();
  if (!out) throw PdfError("Ne mogu da snimim PDF fajl " + outputFileName_.string() + "!");
}

bool TMyPDF::openInViewer() const { return startViewer(outputFileName_); }

}  // namespace tarvo
