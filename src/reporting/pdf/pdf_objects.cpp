#include "reporting/pdf/pdf_objects.h"

namespace tarvo {

namespace {

std::string header(int number, int generation) {
  return std::to_string(number) + " " + std::to_string(generation) + " obj";
}

}  // namespace

TPdfObject::TPdfObject(int number, int generation, PdfValuePtr value, ObjectStatus status)
    : number_(number), generation_(generation), value_(std::move(value)), status_(status) {}

std::string TPdfObject::framed(char lineEnd) const {
  std::string text = header(number_, generation_);
  text += lineEnd;
  text += value_->toText();
  // A dictionary ends its own line; an atom must not run into "endobj".
  if (text.back() != '\n' && text.back() != '\r') text += lineEnd;
  text += "endobj";
  text += lineEnd;
  return text;
}

TPdfStream::TPdfStream(int number, int generation, std::unique_ptr<TBPdfDictionary> dictionary,
                       TBPdfStream stream, ObjectStatus status)
    : TPdfObject(number, generation, std::move(dictionary), status), stream_(std::move(stream)) {}

std::string TPdfStream::toText() const {
  return header(number(), generation()) + "\n" + value().toText() + stream_.toText() + "endobj\n";
}

}  // namespace tarvo
