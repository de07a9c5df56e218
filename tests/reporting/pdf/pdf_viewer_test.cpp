#include "reporting/pdf/my_pdf.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "pdf_test_tools.h"

namespace tarvo {
namespace {

// Replaces PATH for one test so that a stand-in xdg-open records what it was asked to open.
class ScopedPath {
 public:
  explicit ScopedPath(const std::filesystem::path& folder) : saved_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    setenv("PATH", folder.c_str(), 1);
  }
  ~ScopedPath() { setenv("PATH", saved_.c_str(), 1); }

 private:
  std::string saved_;
};

TEST(PdfViewer, StartsXdgOpenWithTheWrittenFileAndReportsFailureToStart) {
  pdftest::TempDir dir("tarvo-pdf-viewer");
  const auto bin = dir / "bin";
  std::filesystem::create_directories(bin);
  const auto record = dir / "opened.txt";
  pdftest::writeFile(bin / "xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > '" + record.string() + ".tmp'\n/bin/mv '" +
                                           record.string() + ".tmp' '" + record.string() + "'\n");
  std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);

  TMyPDF pdf;
  pdf.createNew(false);
  pdf.setOutputFileName(dir / "račun (1).pdf");
  pdf.saveToFile();
  {
    const ScopedPath path(bin);
    EXPECT_TRUE(pdf.openInViewer());
  }
  for (int i = 0; i < 200 && !std::filesystem::exists(record); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(std::filesystem::exists(record));
  EXPECT_EQ(pdftest::readFile(record), (dir / "račun (1).pdf").string());

  const ScopedPath empty(dir / "no-such-folder");
  EXPECT_FALSE(pdf.openInViewer());
}

}  // namespace
}  // namespace tarvo
