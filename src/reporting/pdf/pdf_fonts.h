#pragma once

// The twenty font objects every document carries, numbered a+1 .. a+20 after its own objects.
// Courier New and Times New Roman are referenced; Carlito Regular and Italic are embedded
// from the installed font package and serve the Calibri, Verdana and Tahoma resources.

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tarvo {

struct PdfFontFiles {
  std::filesystem::path regular;
  std::filesystem::path italic;

  // Carlito as the fonts-crosextra-carlito package installs it.
  static PdfFontFiles installed();
};

// One embedded face: its deflated program and what the font dictionaries say about it.
struct PdfFontFace {
  bool embedded = false;  // false when the font file could not be read: the font is only referenced
  std::string deflatedProgram;
  std::size_t programLength = 0;
  std::array<int, 224> widths{};  // codes 32..255 of code page 1250
  int missingWidth = 0;
  std::array<int, 4> boundingBox{};
  int ascent = 0;
  int descent = 0;
  int capHeight = 0;
  double italicAngle = 0;
};

// Reads and deflates a face once per process; a missing or malformed file gives a face that is not embedded.
std::shared_ptr<const PdfFontFace> loadFontFace(const std::filesystem::path& file);

constexpr int kFontObjectCount = 20;

struct PdfFontObject {
  int number;
  std::string text;  // the whole object, "n 0 obj" to "endobj"
};

// The font objects numbered from a+1, in the order they are written: a+2, a+3, a+1, a+4 ... a+20.
std::vector<PdfFontObject> fontObjects(int a, const PdfFontFace& regular, const PdfFontFace& italic);

// The /Font resources of every written page, in order: resource name (without "/") and object number.
std::vector<std::pair<std::string, int>> fontResources(int a);

}  // namespace tarvo
