#include "reporting/pdf/pdf_xref.h"

#include <fmt/format.h>

namespace tarvo {

std::string TPdfRefTable::toText(std::int64_t xrefOffset, bool withFreeHead) const {
  std::string text = "xref\r";
  if (withFreeHead) text += "0 1\r0000000000 65535 f\r\n";
  for (const auto& entry : entries) {
    text += fmt::format("{} 1\r{:010} {:05} {}\r\n", entry.number, entry.offset, entry.generation, entry.type);
  }
  text += "trailer\r<<\r";
  text += fmt::format("/Size {}\r", trailer.size);
  if (trailer.prev) text += fmt::format("/Prev {}\r", *trailer.prev);
  text += fmt::format("/Root {} {} R\r", trailer.root, trailer.rootGeneration);
  if (trailer.info > 0) text += fmt::format("/Info {} {} R\r", trailer.info, trailer.infoGeneration);
  if (!trailer.formTrailerText.empty()) text += trailer.formTrailerText + "\r";
  text += fmt::format(">>\rstartxref\r{}\r%%EOF\r", xrefOffset);
  return text;
}

}  // namespace tarvo
