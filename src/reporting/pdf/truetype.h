#pragma once

// The few TrueType tables a PDF font needs: metrics for the descriptor and glyph widths.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tarvo {

class TrueTypeFont {
 public:
  // Reads the tables from the font file's bytes; throws std::runtime_error on a malformed file.
  explicit TrueTypeFont(std::string_view bytes);

  // Metrics in PDF glyph space (1000 units per em).
  int xMin() const { return scale(xMin_); }
  int yMin() const { return scale(yMin_); }
  int xMax() const { return scale(xMax_); }
  int yMax() const { return scale(yMax_); }
  int ascent() const { return scale(ascent_); }
  int descent() const { return scale(descent_); }
  int capHeight() const { return scale(capHeight_); }
  double italicAngle() const { return italicAngle_; }

  // Glyph of a Unicode character through the font's Unicode cmap; 0 (.notdef) when missing.
  std::uint16_t glyphFor(char32_t character) const;
  // Advance width of a glyph, in 1000 units per em.
  int advance(std::uint16_t glyph) const;

 private:
  int scale(int units) const;
  void readCmap(std::string_view bytes, std::uint32_t offset, std::uint32_t length);

  int unitsPerEm_ = 1000;
  int xMin_ = 0, yMin_ = 0, xMax_ = 0, yMax_ = 0;
  int ascent_ = 0, descent_ = 0, capHeight_ = 0;
  double italicAngle_ = 0;
  std::vector<std::uint16_t> advances_;
  std::vector<std::uint16_t> glyphs_;  // by Unicode code point of the basic plane
};

}  // namespace tarvo
