#pragma once

// Helpers shared by the PDF writer's tests: files, outside checkers and the written structure.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::pdftest {

struct CommandResult {
  int exitCode = -1;
  std::string output;  // standard output and standard error together
};

// Runs a shell command line (tests only).
CommandResult run(const std::string& commandLine);
std::string quoted(const std::filesystem::path& path);

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, std::string_view bytes);

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  explicit TempDir(std::string_view prefix);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The numbers of the last cross-reference section whose offsets do not point at "n g obj".
std::vector<int> misplacedXrefEntries(std::string_view file);

// Where "number 0 obj" starts a line of the file; npos when it does not.
std::size_t objectStart(std::string_view file, int number);
// The whole number written after `key` and a blank or line end, at or after `from`; -1 when there is none.
long long integerAfter(std::string_view file, std::size_t from, std::string_view key);

// A PDF with a classic table around the given object bodies, numbered from 1; object 1 is the catalog.
std::string classicPdf(const std::vector<std::string>& objects);

// A small PDF with a classic table: one page per text, Helvetica inherited from the page tree.
std::string handMadeForm(const std::vector<std::string>& pageTexts);

// Every Bosnian letter, which each written text must give back.
inline constexpr std::string_view kBosnianLetters = "ČĆŽŠĐčćžšđ";

}  // namespace tarvo::pdftest
