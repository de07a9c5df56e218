#pragma once

// Reads a PDF form with a classic cross-reference table. Every offset and length is checked
// against the file; a damaged or unsupported file fails with a PdfError that says why.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "reporting/pdf/pdf_values.h"
#include "reporting/pdf/pdf_xref.h"

namespace tarvo {

struct PdfParsedObject {
  int number = 0;
  int generation = 0;
  PdfValuePtr value;
  std::optional<TBPdfStream> stream;  // data left in the file: offset and length only
};

class PdfFormReader {
 public:
  // Reads the cross-reference chain and the newest trailer. The bytes must outlive the reader.
  explicit PdfFormReader(std::string_view bytes);

  // /Size, /Root, /Info and the trailer's other entries; prev is the form's startxref.
  const TPdfTrailer& trailer() const { return trailer_; }
  // The number after which new objects go.
  int highestObjectNumber() const { return highest_; }

  PdfParsedObject readObject(int number) const;

 private:
  struct Entry {
    std::int64_t offset;
    int generation;
    bool inUse;
  };

  std::int64_t findStartxref() const;
  // Reads one table and its trailer at `offset`; returns the /Prev offset of that trailer.
  std::optional<std::int64_t> readSection(std::int64_t offset, bool newest);
  PdfParsedObject parseObjectAt(int number, const Entry& entry, int lengthDepth) const;
  [[noreturn]] void missing(int number) const;

  std::string_view bytes_;
  std::map<int, Entry> entries_;
  TPdfTrailer trailer_;
  std::int64_t startxref_ = 0;
  int highest_ = 0;
  bool compressedObjectsToo_ = false;
};

// The messages of a form that cannot be used.
std::string damagedFormMessage(std::string_view detail);
std::string unsupportedFormMessage(std::string_view detail);

}  // namespace tarvo
