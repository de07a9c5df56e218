#pragma once

#include <stdexcept>
#include <string>

namespace tarvo {

// A failure of the PDF writer; what() is the Bosnian message shown to the user.
class PdfError : public std::runtime_error {
 public:
  explicit PdfError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tarvo
