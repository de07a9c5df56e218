#include "reporting/pdf/pdf_values.h"

#include <charconv>

namespace tarvo {

std::string TBPdfObjRef::toText() const {
  return std::to_string(number_) + " " + std::to_string(generation_) + " R";
}

TBPdfArray::TBPdfArray(const TBPdfArray& other) {
  items_.reserve(other.items_.size());
  for (const auto& item : other.items_) items_.push_back(item->clone());
}

std::string TBPdfArray::toText() const {
  std::string text = "[";
  for (const auto& item : items_) {
    text += ' ';
    text += item->toText();
  }
  text += " ]";
  return text;
}

bool TBPdfArray::containsEqual(const TBPdfValue& value) const {
  if (const auto* name = dynamic_cast<const TBPdfName*>(&value)) {
    for (const auto& item : items_) {
      const auto* other = dynamic_cast<const TBPdfName*>(item.get());
      if (other && other->name() == name->name()) return true;
    }
  } else if (const auto* ref = dynamic_cast<const TBPdfObjRef*>(&value)) {
    for (const auto& item : items_) {
      const auto* other = dynamic_cast<const TBPdfObjRef*>(item.get());
      if (other && other->number() == ref->number() && other->generation() == ref->generation()) return true;
    }
  }
  return false;
}

TBPdfDictEntry& TBPdfDictEntry::operator=(const TBPdfDictEntry& other) {
  if (this != &other) {
    key_ = other.key_;
    value_ = other.value_->clone();
  }
  return *this;
}

std::string TBPdfDictionary::toText() const {
  std::string text = "<<\n";
  for (const auto& entry : entries_) text += entry.toText();
  text += ">>\n";
  return text;
}

bool TBPdfDictionary::add(std::string_view key, PdfValuePtr value) {
  auto it = entries_.begin();
  while (it != entries_.end() && it->key() != key) ++it;
  if (it == entries_.end()) {
    entries_.emplace_back(TBPdfName(std::string(key)), std::move(value));
    return true;
  }
  TBPdfValue& existing = it->value();
  if (auto* array = dynamic_cast<TBPdfArray*>(&existing)) {
    if (!array->containsEqual(*value)) array->append(std::move(value));
    return true;
  }
  auto* existingDict = dynamic_cast<TBPdfDictionary*>(&existing);
  auto* newDict = dynamic_cast<TBPdfDictionary*>(value.get());
  if (existingDict && newDict) {
    bool ok = true;
    for (auto& entry : newDict->entries_) {
      ok = existingDict->add(entry.key(), entry.value().clone()) && ok;
    }
    return ok;
  }
  if (dynamic_cast<TBPdfObjRef*>(&existing) && !dynamic_cast<TBPdfObjRef*>(value.get())) return false;
  auto pair = std::make_unique<TBPdfArray>();
  pair->append(existing.clone());
  pair->append(std::move(value));
  it->setValue(std::move(pair));
  return true;
}

bool TBPdfDictionary::remove(std::string_view key) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->key() != key) continue;
    if (it != entries_.end() - 1) *it = std::move(entries_.back());
    entries_.pop_back();
    return true;
  }
  return false;
}

bool TBPdfDictionary::increment(std::string_view key, long long amount) {
  auto* atom = findAs<TBPdfObj>(key);
  if (!atom) return false;
  const std::string& text = atom->text();
  long long current = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), current);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  atom->setText(std::to_string(current + amount));
  return true;
}

TBPdfValue* TBPdfDictionary::find(std::string_view key) const {
  for (const auto& entry : entries_) {
    if (entry.key() == key) return &entry.value();
  }
  return nullptr;
}

std::string dictionaryAddError(std::string_view key) {
  return "Greška pri dodavanju ključa " + std::string(key) + " u rječnik!";
}

}  // namespace tarvo
