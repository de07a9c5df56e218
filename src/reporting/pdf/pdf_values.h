#pragma once

// The direct values of a PDF file, each able to write its own PDF text.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo {

class TBPdfValue {
 public:
  virtual ~TBPdfValue() = default;
  virtual std::string toText() const = 0;
  virtual std::unique_ptr<TBPdfValue> clone() const = 0;
};

using PdfValuePtr = std::unique_ptr<TBPdfValue>;

// Numbers, booleans, null and other atoms, written as they are.
class TBPdfObj : public TBPdfValue {
 public:
  explicit TBPdfObj(std::string text) : text_(std::move(text)) {}
  std::string toText() const override { return text_; }
  PdfValuePtr clone() const override { return std::make_unique<TBPdfObj>(*this); }
  const std::string& text() const { return text_; }
  void setText(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
};

// A name with its leading "/".
class TBPdfName : public TBPdfValue {
 public:
  explicit TBPdfName(std::string name) : name_(std::move(name)) {}
  std::string toText() const override { return name_; }
  PdfValuePtr clone() const override { return std::make_unique<TBPdfName>(*this); }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// A literal string kept as read, parentheses included.
class TBPdfString : public TBPdfValue {
 public:
  explicit TBPdfString(std::string raw) : raw_(std::move(raw)) {}
  std::string toText() const override { return raw_; }
  PdfValuePtr clone() const override { return std::make_unique<TBPdfString>(*this); }

 private:
  std::string raw_;
};

// A hexadecimal string kept as read, angle brackets included.
class TBPdfHString : public TBPdfValue {
 public:
  explicit TBPdfHString(std::string raw) : raw_(std::move(raw)) {}
  std::string toText() const override { return raw_; }
  PdfValuePtr clone() const override { return std::make_unique<TBPdfHString>(*this); }

 private:
  std::string raw_;
};

class TBPdfObjRef : public TBPdfValue {
 public:
  TBPdfObjRef(int number, int generation) : number_(number), generation_(generation) {}
  std::string toText() const override;
  PdfValuePtr clone() const override { return std::make_unique<TBPdfObjRef>(*this); }
  int number() const { return number_; }
  int generation() const { return generation_; }

 private:
  int number_;
  int generation_;
};

class TBPdfArray : public TBPdfValue {
 public:
  TBPdfArray() = default;
  TBPdfArray(const TBPdfArray& other);
  std::string toText() const override;
  PdfValuePtr clone() const override { return std::make_unique<TBPdfArray>(*this); }

  void append(PdfValuePtr value) { items_.push_back(std::move(value)); }
  // True when an equal name or an equal reference is already in the array.
  bool containsEqual(const TBPdfValue& value) const;
  const std::vector<PdfValuePtr>& items() const { return items_; }

 private:
  std::vector<PdfValuePtr> items_;
};

class TBPdfDictEntry {
 public:
  TBPdfDictEntry(TBPdfName key, PdfValuePtr value) : key_(std::move(key)), value_(std::move(value)) {}
  TBPdfDictEntry(const TBPdfDictEntry& other) : key_(other.key_), value_(other.value_->clone()) {}
  TBPdfDictEntry(TBPdfDictEntry&&) = default;
  TBPdfDictEntry& operator=(TBPdfDictEntry&&) = default;
  TBPdfDictEntry& operator=(const TBPdfDictEntry& other);

  std::string toText() const { return key_.toText() + " " + value_->toText(); }
  const std::string& key() const { return key_.name(); }
  TBPdfValue& value() const { return *value_; }
  void setValue(PdfValuePtr value) { value_ = std::move(value); }

 private:
  TBPdfName key_;
  PdfValuePtr value_;
};

class TBPdfDictionary : public TBPdfValue {
 public:
  std::string toText() const override;
  PdfValuePtr clone() const override { return std::make_unique<TBPdfDictionary>(*this); }

  // The one way entries get in: a new key is appended; an existing array gains the value
  // (unless an equal name or reference is there), dictionaries merge, and a single value
  // becomes [old new]. False when a reference would be joined by a non-reference.
  bool add(std::string_view key, PdfValuePtr value);
  // Deletes the entry; the last entry takes its place. False when the key is missing.
  bool remove(std::string_view key);
  // Adds a whole number to a numeric entry. False when the key is missing or not a whole number.
  bool increment(std::string_view key, long long amount);

  TBPdfValue* find(std::string_view key) const;
  template <typename T>
  T* findAs(std::string_view key) const {
    return dynamic_cast<T*>(find(key));
  }
  bool contains(std::string_view key) const { return find(key) != nullptr; }
  const std::vector<TBPdfDictEntry>& entries() const { return entries_; }

 private:
  std::vector<TBPdfDictEntry> entries_;
};

// Stream data: either held here (new streams) or left in the loaded file at offset/length.
class TBPdfStream : public TBPdfValue {
 public:
  TBPdfStream() = default;
  TBPdfStream(std::size_t offset, std::size_t length) : offset_(offset), length_(length) {}
  std::string toText() const override { return "stream\n" + data_ + "endstream\n"; }
  PdfValuePtr clone() const override { return std::make_unique<TBPdfStream>(*this); }

  void append(std::string_view text) { data_ += text; }
  const std::string& data() const { return data_; }
  std::size_t offset() const { return offset_; }
  std::size_t length() const { return length_; }

 private:
  std::size_t offset_ = 0;
  std::size_t length_ = 0;
  std::string data_;
};

// Small builders for the values the writer makes itself.
inline PdfValuePtr pdfAtom(std::string text) { return std::make_unique<TBPdfObj>(std::move(text)); }
inline PdfValuePtr pdfInt(long long value) { return pdfAtom(std::to_string(value)); }
inline PdfValuePtr pdfName(std::string name) { return std::make_unique<TBPdfName>(std::move(name)); }
inline PdfValuePtr pdfRef(int number, int generation = 0) {
  return std::make_unique<TBPdfObjRef>(number, generation);
}

// The message for a dictionary update that cannot be made.
std::string dictionaryAddError(std::string_view key);

}  // namespace tarvo
