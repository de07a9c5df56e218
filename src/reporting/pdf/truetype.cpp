#include "reporting/pdf/truetype.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

namespace tarvo {

namespace {

// Big-endian reads that refuse to leave the file.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  std::uint16_t u16(std::size_t at) const {
    need(at, 2);
    return static_cast<std::uint16_t>(byte(at) << 8 | byte(at + 1));
  }
  std::int16_t i16(std::size_t at) const { return static_cast<std::int16_t>(u16(at)); }
  std::uint32_t u32(std::size_t at) const {
    return static_cast<std::uint32_t>(u16(at)) << 16 | u16(at + 2);
  }
  std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
  std::string_view tag(std::size_t at) const {
    need(at, 4);
    return bytes_.substr(at, 4);
  }
  void need(std::size_t at, std::size_t count) const {
    if (at > bytes_.size() || count > bytes_.size() - at) {
      throw std::runtime_error("TrueType font is cut short");
    }
  }

 private:
  unsigned byte(std::size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
  std::string_view bytes_;
};

struct Table {
  std::uint32_t offset;
  std::uint32_t length;
};

std::optional<Table> findTable(const Reader& in, std::string_view name) {
  const std::uint16_t count = in.u16(4);
  for (std::uint16_t i = 0; i < count; ++i) {
    const std::size_t record = 12 + 16u * i;
    if (in.tag(record) == name) {
      const Table table{in.u32(record + 8), in.u32(record + 12)};
      in.need(table.offset, table.length);
      return table;
    }
  }
  return std::nullopt;
}

Table requireTable(const Reader& in, std::string_view name) {
  if (auto table = findTable(in, name)) return *table;
  throw std::runtime_error("TrueType font has no " + std::string(name) + " table");
}

}  // namespace

TrueTypeFont::TrueTypeFont(std::string_view bytes) {
  const Reader in(bytes);

  const Table head = requireTable(in, "head");
  unitsPerEm_ = in.u16(head.offset + 18);
  if (unitsPerEm_ == 0) throw std::runtime_error("TrueType font has no units per em");
  xMin_ = in.i16(head.offset + 36);
  yMin_ = in.i16(head.offset + 38);
  xMax_ = in.i16(head.offset + 40);
  yMax_ = in.i16(head.offset + 42);

  const Table hhea = requireTable(in, "hhea");
  ascent_ = in.i16(hhea.offset + 4);
  descent_ = in.i16(hhea.offset + 6);
  const std::uint16_t metricCount = in.u16(hhea.offset + 34);
  capHeight_ = ascent_;

  if (const auto os2 = findTable(in, "OS/2")) {
    ascent_ = in.i16(os2->offset + 68);
    descent_ = in.i16(os2->offset + 70);
    if (in.u16(os2->offset) >= 2) capHeight_ = in.i16(os2->offset + 88);
  }
  if (const auto post = findTable(in, "post")) italicAngle_ = in.i32(post->offset + 4) / 65536.0;

  const std::uint16_t glyphCount = in.u16(requireTable(in, "maxp").offset + 4);
  const Table hmtx = requireTable(in, "hmtx");
  if (metricCount == 0) throw std::runtime_error("TrueType font has no horizontal metrics");
  advances_.resize(std::max<std::size_t>(glyphCount, metricCount));
  for (std::size_t glyph = 0; glyph < advances_.size(); ++glyph) {
    advances_[glyph] = glyph < metricCount ? in.u16(hmtx.offset + 4u * glyph) : advances_[metricCount - 1];
  }

  const Table cmap = requireTable(in, "cmap");
  readCmap(bytes, cmap.offset, cmap.length);
}

void TrueTypeFont::readCmap(std::string_view bytes, std::uint32_t offset, std::uint32_t length) {
  const Reader in(bytes.substr(offset, length));
  const std::uint16_t count = in.u16(2);
  std::optional<std::uint32_t> subtable;
  for (std::uint16_t i = 0; i < count && !subtable; ++i) {
    const std::size_t record = 4 + 8u * i;
    const std::uint16_t platform = in.u16(record);
    const std::uint16_t encoding = in.u16(record + 2);
    const std::uint32_t at = in.u32(record + 4);
    const bool unicode = (platform == 3 && encoding == 1) || platform == 0;
    if (unicode && in.u16(at) == 4) subtable = at;
  }
  if (!subtable) throw std::runtime_error("TrueType font has no Unicode character map");

  const std::uint32_t at = *subtable;
  const std::uint16_t segments = in.u16(at + 6) / 2;
  const std::uint32_t ends = at + 14;
  const std::uint32_t starts = ends + 2u * segments + 2;
  const std::uint32_t deltas = starts + 2u * segments;
  const std::uint32_t rangeOffsets = deltas + 2u * segments;
  glyphs_.assign(0x10000, 0);
  for (std::uint16_t s = 0; s < segments; ++s) {
    const std::uint32_t start = in.u16(starts + 2u * s);
    const std::uint32_t end = in.u16(ends + 2u * s);
    const std::uint16_t delta = in.u16(deltas + 2u * s);
    const std::uint32_t rangeOffsetAt = rangeOffsets + 2u * s;
    const std::uint16_t rangeOffset = in.u16(rangeOffsetAt);
    for (std::uint32_t c = start; c <= end; ++c) {
      std::uint16_t glyph = 0;
      if (rangeOffset == 0) {
        glyph = static_cast<std::uint16_t>(c + delta);
      } else {
        glyph = in.u16(rangeOffsetAt + rangeOffset + 2 * (c - start));
        if (glyph != 0) glyph = static_cast<std::uint16_t>(glyph + delta);
      }
      glyphs_[c] = glyph;
    }
  }
}

int TrueTypeFont::scale(int units) const {
  return static_cast<int>(std::lround(units * 1000.0 / unitsPerEm_));
}

std::uint16_t TrueTypeFont::glyphFor(char32_t character) const {
  return character < glyphs_.size() ? glyphs_[character] : 0;
}

int TrueTypeFont::advance(std::uint16_t glyph) const {
  return scale(glyph < advances_.size() ? advances_[glyph] : advances_.front());
}

}  // namespace tarvo
