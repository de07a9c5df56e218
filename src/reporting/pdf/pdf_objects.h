#pragma once

// Indirect objects of a document: what the writer makes and what it reads from a form.

#include <string>

#include "reporting/pdf/pdf_values.h"

namespace tarvo {

// Only new and changed objects are written; an object read from a form and left alone is not.
enum class ObjectStatus {
  Unchanged,  // read from a form, untouched
  New,        // "novi"
  Changed,    // "promijenjen"
};

class TPdfObject {
 public:
  TPdfObject(int number, int generation, PdfValuePtr value, ObjectStatus status);
  virtual ~TPdfObject() = default;
  TPdfObject(const TPdfObject&) = delete;
  TPdfObject& operator=(const TPdfObject&) = delete;

  int number() const { return number_; }
  int generation() const { return generation_; }
  TBPdfValue& value() const { return *value_; }
  // The value as a dictionary, or null when it is something else.
  TBPdfDictionary* dictionary() const { return dynamic_cast<TBPdfDictionary*>(value_.get()); }

  ObjectStatus status() const { return status_; }
  void markChanged() {
    if (status_ == ObjectStatus::Unchanged) status_ = ObjectStatus::Changed;
  }
  bool needsWriting() const { return status_ != ObjectStatus::Unchanged; }

  virtual std::string toText() const { return framed('\n'); }

 protected:
  // "n g obj", the value, "endobj", with the given line end.
  std::string framed(char lineEnd) const;

 private:
  int number_;
  int generation_;
  PdfValuePtr value_;
  ObjectStatus status_;
};

class TPdfCatalog : public TPdfObject {
 public:
  using TPdfObject::TPdfObject;
};

class TPdfPages : public TPdfObject {
 public:
  using TPdfObject::TPdfObject;
  std::string toText() const override { return framed('\r'); }
};

class TPdfPage : public TPdfObject {
 public:
  using TPdfObject::TPdfObject;
  std::string toText() const override { return framed('\r'); }

  // Index of the page's own content stream among the document's streams; -1 for none yet.
  int contentStream = -1;
};

class TPdfStream : public TPdfObject {
 public:
  TPdfStream(int number, int generation, std::unique_ptr<TBPdfDictionary> dictionary, TBPdfStream stream,
             ObjectStatus status);
  std::string toText() const override;

  TBPdfStream& stream() { return stream_; }
  const TBPdfStream& stream() const { return stream_; }

 private:
  TBPdfStream stream_;
};

}  // namespace tarvo
