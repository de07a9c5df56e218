#include "reporting/pdf/pdf_reader.h"

#include <fmt/format.h>

#include <charconv>
#include <limits>
#include <set>

#include "reporting/pdf/pdf_error.h"

namespace tarvo {

namespace {

constexpr int kMaxNesting = 64;
constexpr std::size_t kStartxrefWindow = 1024;

[[noreturn]] void damaged(std::string_view detail) { throw PdfError(damagedFormMessage(detail)); }
[[noreturn]] void unsupported(std::string_view detail) { throw PdfError(unsupportedFormMessage(detail)); }

bool isWhite(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }
bool isDelimiter(char c) {
  return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' ||
         c == '/' || c == '%';
}

std::optional<long long> toInteger(std::string_view token) {
  long long value = 0;
  const char* begin = token.data();
  if (!token.empty() && token.front() == '+') ++begin;
  const auto [end, error] = std::from_chars(begin, token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size() || begin == end) return std::nullopt;
  return value;
}

// A bounds-checked reader of PDF syntax starting at one position of the file.
class Parser {
 public:
  Parser(std::string_view bytes, std::size_t pos) : bytes_(bytes), pos_(pos) {}

  std::size_t pos() const { return pos_; }
  void seek(std::size_t pos) { pos_ = pos; }
  bool atEnd() const { return pos_ >= bytes_.size(); }

  void skipSpace() {
    while (!atEnd()) {
      if (isWhite(bytes_[pos_])) {
        ++pos_;
      } else if (bytes_[pos_] == '%') {
        while (!atEnd() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r') ++pos_;
      } else {
        break;
      }
    }
  }

  bool consumeKeyword(std::string_view word) {
    skipSpace();
    if (bytes_.substr(pos_, word.size()) != word) return false;
    const std::size_t after = pos_ + word.size();
    if (after < bytes_.size() && !isWhite(bytes_[after]) && !isDelimiter(bytes_[after])) return false;
    pos_ = after;
    return true;
  }

  std::string_view regularToken() {
    skipSpace();
    const std::size_t start = pos_;
    while (!atEnd() && !isWhite(bytes_[pos_]) && !isDelimiter(bytes_[pos_])) ++pos_;
    return bytes_.substr(start, pos_ - start);
  }

  std::optional<long long> integer() { return toInteger(regularToken()); }

  PdfValuePtr value(int depth) {
    skipSpace();
    if (atEnd()) damaged("neočekivan kraj fajla");
    if (depth > kMaxNesting) damaged("preduboko ugniježđene vrijednosti");
    const char c = bytes_[pos_];
    if (c == '/') return name();
    if (c == '(') return literalString();
    if (c == '<') {
      if (bytes_.substr(pos_, 2) == "<<") return dictionary(depth);
      return hexString();
    }
    if (c == '[') return array(depth);
    if (c == ')' || c == '>' || c == ']' || c == '{' || c == '}') damaged("neočekivan znak u objektu");
    const std::string_view token = regularToken();
    if (token.empty()) damaged("neočekivan znak u objektu");
    if (const auto number = toInteger(token); number && *number >= 0) {
      if (auto ref = referenceAfter(*number)) return ref;
    }
    return pdfAtom(std::string(token));
  }

 private:
  PdfValuePtr name() {
    const std::size_t start = pos_++;
    while (!atEnd() && !isWhite(bytes_[pos_]) && !isDelimiter(bytes_[pos_])) ++pos_;
    return pdfName(std::string(bytes_.substr(start, pos_ - start)));
  }

  PdfValuePtr literalString() {
    const std::size_t start = pos_;
    int open = 0;
    do {
      if (atEnd()) damaged("nezatvoren tekst");
      const char c = bytes_[pos_++];
      if (c == '\\') {
        ++pos_;
      } else if (c == '(') {
        ++open;
      } else if (c == ')') {
        --open;
      }
    } while (open > 0);
    if (pos_ > bytes_.size()) damaged("nezatvoren tekst");
    return std::make_unique<TBPdfString>(std::string(bytes_.substr(start, pos_ - start)));
  }

  PdfValuePtr hexString() {
    const std::size_t close = bytes_.find('>', pos_);
    if (close == bytes_.npos) damaged("nezatvoren heksadecimalni tekst");
    const std::size_t start = pos_;
    pos_ = close + 1;
    return std::make_unique<TBPdfHString>(std::string(bytes_.substr(start, pos_ - start)));
  }

  PdfValuePtr dictionary(int depth) {
    pos_ += 2;
    auto dict = std::make_unique<TBPdfDictionary>();
    for (;;) {
      skipSpace();
      if (atEnd()) damaged("nezatvoren rječnik");
      if (bytes_.substr(pos_, 2) == ">>") {
        pos_ += 2;
        return dict;
      }
      if (bytes_[pos_] != '/') damaged("neispravan ključ rječnika");
      const std::string key = name()->toText();
      dict->add(key, value(depth + 1));
    }
  }

  PdfValuePtr array(int depth) {
    ++pos_;
    auto list = std::make_unique<TBPdfArray>();
    for (;;) {
      skipSpace();
      if (atEnd()) damaged("nezatvoren niz");
      if (bytes_[pos_] == ']') {
        ++pos_;
        return list;
      }
      list->append(value(depth + 1));
    }
  }

  // "n g R" after the number just read; the position is restored when it is not a reference.
  PdfValuePtr referenceAfter(long long number) {
    const std::size_t saved = pos_;
    const auto generation = toInteger(regularToken());
    if (generation && *generation >= 0 && consumeKeyword("R")) {
      return pdfRef(static_cast<int>(number), static_cast<int>(*generation));
    }
    pos_ = saved;
    return nullptr;
  }

  std::string_view bytes_;
  std::size_t pos_;
};

}  // namespace

std::string damagedFormMessage(std::string_view detail) {
  return fmt::format("PDF-obrazac je oštećen ({})!", detail);
}

std::string unsupportedFormMessage(std::string_view detail) {
  return fmt::format("PDF-obrazac nije podržan ({})!", detail);
}

PdfFormReader::PdfFormReader(std::string_view bytes) : bytes_(bytes) {
  startxref_ = findStartxref();
  std::set<std::int64_t> visited;
  std::optional<std::int64_t> next = startxref_;
  bool newest = true;
  int highestInUse = 0;
  while (next) {
    if (!visited.insert(*next).second) damaged("tabele referenci se vrte u krug");
    next = readSection(*next, newest);
    newest = false;
  }
  for (const auto& [number, entry] : entries_) {
    if (entry.inUse) highestInUse = std::max(highestInUse, number);
  }
  // Numbers below /Size may be free; new objects still go above all of them.
  highest_ = std::max(highestInUse, trailer_.size - 1);
}

std::int64_t PdfFormReader::findStartxref() const {
  const std::size_t from = bytes_.size() > kStartxrefWindow ? bytes_.size() - kStartxrefWindow : 0;
  const std::size_t at = bytes_.rfind("startxref");
  if (at == bytes_.npos || at < from) damaged("nema oznake startxref");
  Parser parser(bytes_, at + 9);
  const auto offset = parser.integer();
  if (!offset) damaged("neispravan pomak iza startxref");
  return *offset;
}

std::optional<std::int64_t> PdfFormReader::readSection(std::int64_t offset, bool newest) {
  if (offset < 0 || static_cast<std::uint64_t>(offset) >= bytes_.size()) {
    damaged("pomak tabele referenci je izvan fajla");
  }
  Parser parser(bytes_, static_cast<std::size_t>(offset));
  if (!parser.consumeKeyword("xref")) {
    if (parser.integer() && parser.integer() && parser.consumeKeyword("obj")) {
      unsupported("komprimovana tabela referenci");
    }
    damaged("na mjestu tabele referenci nema tabele");
  }
  while (!parser.consumeKeyword("trailer")) {
    const auto first = parser.integer();
    const auto count = parser.integer();
    if (!first || !count || *first < 0 || *count < 0 || *first + *count > std::numeric_limits<int>::max()) {
      damaged("neispravna tabela referenci");
    }
    // An entry takes at least 18 bytes; a larger count cannot be in the file.
    if (static_cast<std::uint64_t>(*count) > (bytes_.size() - parser.pos()) / 18 + 1) {
      damaged("tabela referenci prelazi kraj fajla");
    }
    for (long long i = 0; i < *count; ++i) {
      const auto entryOffset = parser.integer();
      const auto generation = parser.integer();
      const std::string_view type = parser.regularToken();
      if (!entryOffset || !generation || *generation < 0 || *generation > 65535 || (type != "n" && type != "f")) {
        damaged("neispravan red tabele referenci");
      }
      const auto number = static_cast<int>(*first + i);
      entries_.try_emplace(number, Entry{*entryOffset, static_cast<int>(*generation), type == "n"});
    }
  }
  const PdfValuePtr value = parser.value(0);
  const auto* dict = dynamic_cast<const TBPdfDictionary*>(value.get());
  if (!dict) damaged("neispravan trailer");
  if (dict->contains("/Encrypt")) unsupported("šifrovan dokument");
  if (dict->contains("/XRefStm")) compressedObjectsToo_ = true;
  if (newest) {
    const auto* size = dict->findAs<TBPdfObj>("/Size");
    const auto* root = dict->findAs<TBPdfObjRef>("/Root");
    const auto sizeValue = size ? toInteger(size->text()) : std::nullopt;
    if (!sizeValue || !root) damaged("trailer nema /Size ili /Root");
    trailer_.size = static_cast<int>(*sizeValue);
    trailer_.root = root->number();
    trailer_.rootGeneration = root->generation();
    if (const auto* info = dict->findAs<TBPdfObjRef>("/Info")) {
      trailer_.info = info->number();
      trailer_.infoGeneration = info->generation();
    }
    trailer_.prev = startxref_;
    for (const auto& entry : dict->entries()) {
      static const std::set<std::string, std::less<>> kRewritten = {"/Size", "/Prev", "/Root", "/Info", "/XRefStm"};
      if (kRewritten.contains(entry.key())) continue;
      if (!trailer_.formTrailerText.empty()) trailer_.formTrailerText += '\r';
      trailer_.formTrailerText += entry.toText();
    }
  }
  if (const auto* prev = dict->findAs<TBPdfObj>("/Prev")) {
    const auto prevOffset = toInteger(prev->text());
    if (!prevOffset) damaged("neispravan /Prev");
    return *prevOffset;
  }
  return std::nullopt;
}

void PdfFormReader::missing(int number) const {
  if (compressedObjectsToo_) unsupported("komprimovani objekti");
  damaged(fmt::format("objekat {} nije pronađen", number));
}

PdfParsedObject PdfFormReader::readObject(int number) const {
  const auto it = entries_.find(number);
  if (it == entries_.end() || !it->second.inUse) missing(number);
  return parseObjectAt(number, it->second, 0);
}

PdfParsedObject PdfFormReader::parseObjectAt(int number, const Entry& entry, int lengthDepth) const {
  if (entry.offset < 0 || static_cast<std::uint64_t>(entry.offset) >= bytes_.size()) {
    damaged(fmt::format("objekat {} je izvan fajla", number));
  }
  Parser parser(bytes_, static_cast<std::size_t>(entry.offset));
  const auto foundNumber = parser.integer();
  const auto generation = parser.integer();
  if (foundNumber != number || !generation || !parser.consumeKeyword("obj")) {
    damaged(fmt::format("na mjestu objekta {} nema tog objekta", number));
  }
  PdfParsedObject object;
  object.number = number;
  object.generation = static_cast<int>(*generation);
  object.value = parser.value(0);

  if (parser.consumeKeyword("stream")) {
    const auto* dict = dynamic_cast<const TBPdfDictionary*>(object.value.get());
    if (!dict) damaged(fmt::format("tok objekta {} nema rječnik", number));
    std::size_t pos = parser.pos();
    if (pos < bytes_.size() && bytes_[pos] == '\r') ++pos;
    if (pos < bytes_.size() && bytes_[pos] == '\n') ++pos;

    std::optional<long long> length;
    if (const auto* atom = dict->findAs<TBPdfObj>("/Length")) {
      length = toInteger(atom->text());
    } else if (const auto* ref = dict->findAs<TBPdfObjRef>("/Length"); ref && lengthDepth == 0) {
      const auto lengthEntry = entries_.find(ref->number());
      if (lengthEntry == entries_.end() || !lengthEntry->second.inUse) missing(ref->number());
      const auto lengthObject = parseObjectAt(ref->number(), lengthEntry->second, lengthDepth + 1);
      if (const auto* atom = dynamic_cast<const TBPdfObj*>(lengthObject.value.get())) length = toInteger(atom->text());
    }
    if (!length || *length < 0) damaged(fmt::format("tok objekta {} nema ispravnu dužinu", number));
    if (static_cast<std::uint64_t>(*length) > bytes_.size() - pos) {
      damaged(fmt::format("tok objekta {} prelazi kraj fajla", number));
    }
    object.stream = TBPdfStream(pos, static_cast<std::size_t>(*length));
    parser.seek(pos + static_cast<std::size_t>(*length));
    if (!parser.consumeKeyword("endstream")) damaged(fmt::format("neispravna dužina toka objekta {}", number));
  }
  if (!parser.consumeKeyword("endobj")) damaged(fmt::format("objekat {} nije zatvoren", number));
  return object;
}

}  // namespace tarvo
