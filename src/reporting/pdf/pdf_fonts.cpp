#include "reporting/pdf/pdf_fonts.h"

#include <fmt/format.h>
#include <zlib.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>

#include "reporting/pdf/truetype.h"
#include "util/codepage.h"

namespace tarvo {

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 255;

// Glyph names that make WinAnsiEncoding select the letters of code page 1250.
constexpr std::string_view kCarlitoDifferences =
    "[131 /.notdef 136 /.notdef 140 /Sacute /Tcaron 143 /Zacute 152 /.notdef 156 /sacute /tcaron 159 /zacute "
    "161 /caron /breve /Lslash 165 /Aogonek 170 /Scedilla 175 /Zdotaccent 178 /ogonek /lslash 185 /aogonek "
    "/scedilla 188 /Lcaron /hungarumlaut /lcaron /zdotaccent /Racute 195 /Abreve 197 /Lacute /Cacute 200 "
    "/Ccaron 202 /Eogonek 204 /Ecaron 207 /Dcaron /Dcroat /Nacute /Ncaron 213 /Ohungarumlaut 216 /Rcaron "
    "/Uring 219 /Uhungarumlaut 222 /Tcommaaccent 224 /racute 227 /abreve 229 /lacute /cacute 232 /ccaron 234 "
    "/eogonek 236 /ecaron 239 /dcaron /dcroat /nacute /ncaron 245 /ohungarumlaut 248 /rcaron /uring 251 "
    "/uhungarumlaut 254 /tcommaaccent /dotaccent]";

constexpr std::string_view kCourierDifferences =
    "[ 128 /Euro 140 /Sacute /Tcaron /Zcaron /Zacute 149 /bullet 153 /trademark 156 /sacute /tcaron /zcaron "
    "/zacute /space /caron /breve /Lslash 165 /Aogonek 170 /Scedilla 175 /Zdotaccent 178 /ogonek /lslash 185 "
    "/aogonek /scedilla 188 /Lcaron /hungarumlaut /lcaron /zdotaccent /Racute 195 /Abreve 197 /Lacute /Cacute "
    "200 /Ccaron 202 /Eogonek 204 /Ecaron 207 /Dcaron /Dcroat /Nacute /Ncaron 213 /Ohungarumlaut 216 /Rcaron "
    "/Uring 219 /Uhungarumlaut 222 /Tcommaaccent 224 /racute 227 /abreve 229 /lacute /cacute 232 /ccaron 234 "
    "/eogonek 236 /ecaron 239 /dcaron /dcroat /nacute /ncaron 245 /ohungarumlaut 248 /rcaron /uring 251 "
    "/uhungarumlaut 254 /tcommaaccent /dotaccent ]";

// Carlito's widths of codes 32..255, used only when the font file cannot be read.
constexpr std::array<int, 224> kFallbackWidths = {
    226, 326, 401, 498, 507, 715, 682, 221, 303, 303, 498, 498, 250, 306, 252, 386, 507, 507, 507, 507, 507, 507,
    507, 507, 507, 507, 268, 268, 498, 498, 498, 463, 894, 579, 544, 533, 615, 488, 459, 631, 623, 252, 319, 520,
    420, 855, 646, 662, 517, 673, 543, 459, 487, 642, 567, 890, 519, 487, 468, 307, 386, 307, 498, 498, 291, 479,
    525, 423, 525, 498, 305, 471, 525, 229, 239, 455, 229, 799, 525, 527, 525, 525, 349, 391, 335, 525, 452, 715,
    433, 453, 395, 314, 460, 314, 498, 507, 507, 507, 250, 507, 418, 690, 498, 498, 507, 1038, 459, 339, 459, 487,
    468, 468, 507, 250, 250, 418, 418, 498, 498, 905, 507, 705, 391, 339, 391, 346, 395, 395, 226, 395, 381, 430,
    498, 579, 498, 498, 393, 834, 459, 512, 498, 306, 507, 468, 339, 498, 312, 248, 292, 550, 586, 252, 307, 479,
    391, 512, 423, 469, 264, 395, 543, 579, 579, 579, 579, 420, 533, 533, 533, 488, 488, 488, 488, 252, 252, 615,
    625, 646, 646, 662, 662, 662, 662, 498, 543, 642, 642, 642, 642, 487, 487, 527, 349, 479, 479, 479, 479, 229,
    423, 423, 423, 498, 498, 498, 498, 229, 229, 568, 552, 525, 525, 527, 527, 527, 527, 498, 349, 525, 525, 525,
    525, 453, 335, 226,
};

constexpr std::string_view kToUnicodePairs[] = {
    "<80> <20AC>", "<8C> <015A>", "<8D> <0164>", "<8E> <017D>", "<8F> <0179>", "<95> <2022>", "<99> <2122>",
    "<9C> <015B>", "<9D> <0165>", "<9E> <017E>", "<9F> <017A>", "<A0> <0020>", "<A1> <02C7>", "<A2> <02D8>",
    "<A3> <0141>", "<A5> <0104>", "<AA> <015E>", "<AF> <017B>", "<B2> <02DB>", "<B3> <0142>", "<B9> <0105>",
    "<BA> <015F>", "<BC> <013D>", "<BD> <02DD>", "<BE> <013E>", "<BF> <017C>", "<C0> <0154>", "<C3> <0102>",
    "<C5> <0139>", "<C6> <0106>", "<C8> <010C>", "<CA> <0118>", "<CC> <011A>", "<CF> <010E>", "<D0> <0110>",
    "<D1> <0143>", "<D2> <0147>", "<D5> <0150>", "<D8> <0158>", "<D9> <016E>", "<DB> <0170>", "<DE> <0162>",
    "<E0> <0155>", "<E3> <0103>", "<E5> <013A>", "<E6> <0107>", "<E8> <010D>", "<EA> <0119>", "<EC> <011B>",
    "<EF> <010F>", "<F0> <0111>", "<F1> <0144>", "<F2> <0148>", "<F5> <0151>", "<F8> <0159>", "<F9> <016F>",
    "<FB> <0171>", "<FE> <0163>", "<FF> <02D9>",
};

std::string readWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + file.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string deflate(const std::string& data) {
  uLongf size = compressBound(data.size());
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                data.size(), Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("cannot compress the font program");
  }
  out.resize(size);
  return out;
}

// The character whose glyph the encoding draws for a code: WinAnsiEncoding names the space
// and the hyphen for the no-break space and the soft hyphen.
std::optional<char32_t> glyphCharacter(unsigned char code) {
  if (code == 0xA0) return U' ';
  if (code == 0xAD) return U'-';
  return codePageToUnicode(CodePage::Cp1250, code);
}

PdfFontFace readFace(const std::filesystem::path& file) {
  PdfFontFace face;
  try {
    const std::string program = readWholeFile(file);
    const TrueTypeFont font(program);
    for (int code = kFirstCode; code <= kLastCode; ++code) {
      const auto character = glyphCharacter(static_cast<unsigned char>(code));
      face.widths[code - kFirstCode] = font.advance(character ? font.glyphFor(*character) : 0);
    }
    face.missingWidth = font.advance(0);
    face.boundingBox = {font.xMin(), font.yMin(), font.xMax(), font.yMax()};
    face.ascent = font.ascent();
    face.descent = font.descent();
    face.capHeight = font.capHeight();
    face.italicAngle = font.italicAngle();
    face.deflatedProgram = deflate(program);
    face.programLength = program.size();
    face.embedded = true;
  } catch (const std::exception&) {
    // Without the file the face is referenced by name, with Carlito's widths as they are known.
    face = PdfFontFace{};
    face.widths = kFallbackWidths;
    face.missingWidth = 507;
    face.boundingBox = {-489, -258, 1148, 1015};
    face.ascent = 750;
    face.descent = -250;
    face.capHeight = 642;
  }
  return face;
}

std::string object(int number, std::string_view body) {
  return fmt::format("{} 0 obj\r{}\rendobj\r", number, body);
}

std::string streamObject(int number, std::string_view dictionary, std::string_view data) {
  return fmt::format("{} 0 obj\r{}\rstream\r\n{}\nendstream\rendobj\r", number, dictionary, data);
}

std::string toUnicodeCMap() {
  std::string text =
      "/CIDInit /ProcSet findresource begin\r12 dict begin\rbegincmap\r/CIDSystemInfo\r<< /Registry (Adobe)\r"
      "/Ordering ()\r/Supplement 0\r>> def\r/CMapName /Adobe--000 def\r/CMapType 2 def\r"
      "1 begincodespacerange\r<00> <FF>\rendcodespacerange\r59 beginbfchar\r";
  for (const auto pair : kToUnicodePairs) {
    text += pair;
    text += '\r';
  }
  text += "endbfchar\rendcmap\rCMapName currentdict /CMap defineresource pop\rend\rend\r";
  return text;
}

std::string referencedFont(std::string_view baseFont, int a, bool withWidths) {
  std::string text = fmt::format(
      "<< /Type /Font /Subtype /TrueType /BaseFont /{} /ToUnicode {} 0 R /Encoding << /Type /Encoding "
      "/BaseEncoding /WinAnsiEncoding /Differences {} >> /FirstChar 30 /LastChar 255",
      baseFont, a + 3, kCourierDifferences);
  if (withWidths) {
    text += " /Widths [";
    for (int code = 30; code <= kLastCode; ++code) text += " 600";
    text += fmt::format(" ] /FontDescriptor {} 0 R", a + 2);
  }
  text += " >>";
  return text;
}

std::string embeddedFont(std::string_view baseFont, int widths, int descriptor, int encoding) {
  return fmt::format(
      "<< /Type /Font /BaseFont /{} /Subtype /TrueType /FirstChar {} /LastChar {} /Widths {} 0 R "
      "/FontDescriptor {} 0 R /Encoding {} 0 R >>",
      baseFont, kFirstCode, kLastCode, widths, descriptor, encoding);
}

std::string descriptor(std::string_view fontName, const PdfFontFace& face, bool italic, int program) {
  const auto& box = face.boundingBox;
  std::string text = fmt::format(
      "<< /Type /FontDescriptor /FontName /{} /Ascent {} /Descent {} /CapHeight {} /Flags {} "
      "/FontBBox [{} {} {} {}] /ItalicAngle {} /StemV 70 /MissingWidth {}",
      fontName, face.ascent, face.descent, face.capHeight, italic ? 96 : 32, box[0], box[1], box[2], box[3],
      std::lround(face.italicAngle), face.missingWidth);
  if (face.embedded) text += fmt::format(" /FontFile2 {} 0 R", program);
  text += " >>";
  return text;
}

std::string encoding() {
  return fmt::format("<< /Type /Encoding /BaseEncoding /WinAnsiEncoding /Differences {} >>", kCarlitoDifferences);
}

std::string widthArray(const PdfFontFace& face) {
  std::string text = "[";
  for (int width : face.widths) text += fmt::format(" {}", width);
  text += " ]";
  return text;
}

std::string program(int number, const PdfFontFace& face) {
  if (!face.embedded) return object(number, "null");
  return streamObject(number,
                      fmt::format("<< /Length {} /Filter /FlateDecode /Length1 {} >>", face.deflatedProgram.size(),
                                  face.programLength),
                      face.deflatedProgram);
}

}  // namespace

PdfFontFiles PdfFontFiles::installed() {
  const std::filesystem::path folder = "/usr/share/fonts/truetype/crosextra";
  return {folder / "Carlito-Regular.ttf", folder / "Carlito-Italic.ttf"};
}

std::shared_ptr<const PdfFontFace> loadFontFace(const std::filesystem::path& file) {
  static std::mutex mutex;
  static std::map<std::filesystem::path, std::shared_ptr<const PdfFontFace>> cache;
  const std::lock_guard lock(mutex);
  auto& face = cache[file];
  if (!face) face = std::make_shared<const PdfFontFace>(readFace(file));
  return face;
}

std::vector<PdfFontObject> fontObjects(int a, const PdfFontFace& regular, const PdfFontFace& italic) {
  const std::string cmap = toUnicodeCMap();
  std::vector<PdfFontObject> objects;
  const auto add = [&objects, a](int offset, std::string text) { objects.push_back({a + offset, std::move(text)}); };
  add(2, object(a + 2,
                "<< /Type /FontDescriptor /FontName /CourierNew /FontBBox [ -21 -680 638 1021 ] /Flags 32 "
                "/MissingWidth 750 /StemV 0 /ItalicAngle 0 /CapHeight 613 /Ascent 613 /Descent -188 "
                "/MaxWidth 659 /AvgWidth 600 >>"));
  add(3, streamObject(a + 3, fmt::format("<< /Length {} >>", cmap.size()), cmap));
  add(1, object(a + 1, referencedFont("CourierNew", a, true)));
  add(4, object(a + 4, referencedFont("CourierNew,Italic", a, true)));
  add(5, object(a + 5, referencedFont("TimesNewRoman", a, false)));
  add(6, object(a + 6, referencedFont("TimesNewRoman,Italic", a, false)));
  add(7, object(a + 7, embeddedFont("Carlito", a + 13, a + 8, a + 9)));
  add(8, object(a + 8, descriptor("Carlito", regular, false, a + 10)));
  add(9, object(a + 9, encoding()));
  add(10, program(a + 10, regular));
  add(11, object(a + 11, embeddedFont("Carlito", a + 13, a + 12, a + 9)));
  add(12, object(a + 12, descriptor("Carlito", regular, false, a + 10)));
  add(13, object(a + 13, widthArray(regular)));
  add(14, object(a + 14, embeddedFont("Carlito-Italic", a + 20, a + 15, a + 16)));
  add(15, object(a + 15, descriptor("Carlito-Italic", italic, true, a + 17)));
  add(16, object(a + 16, encoding()));
  add(17, program(a + 17, italic));
  add(18, object(a + 18, embeddedFont("Carlito-Italic", a + 20, a + 19, a + 16)));
  add(19, object(a + 19, descriptor("Carlito-Italic", italic, true, a + 17)));
  add(20, object(a + 20, widthArray(italic)));
  return objects;
}

std::vector<std::pair<std::string, int>> fontResources(int a) {
  return {
      {"MFCN", a + 1},   {"MFCNI", a + 4},  {"MFTNR", a + 5},  {"MFTNRI", a + 6}, {"MFCAL", a + 7},
      {"MFVERI", a + 14}, {"MFVER", a + 11}, {"MFCALI", a + 18}, {"MFTAH", a + 7},  {"MFTAHI", a + 18},
  };
}

}  // namespace tarvo
