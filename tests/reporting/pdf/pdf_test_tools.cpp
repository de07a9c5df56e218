#include "pdf_test_tools.h"

#include <fmt/format.h>
#include <sys/wait.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tarvo::pdftest {

CommandResult run(const std::string& commandLine) {
  CommandResult result;
  FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer{};
  std::size_t count = 0;
  while ((count = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), count);
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

TempDir::TempDir(std::string_view prefix) {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / fmt::format("{}-{:08x}", prefix, random());
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

namespace {

long long numberAt(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\r' || text[pos] == '\n')) ++pos;
  long long value = -1;
  const auto [end, error] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
  if (error != std::errc()) throw std::runtime_error("number expected in the cross-reference table");
  pos = static_cast<std::size_t>(end - text.data());
  return value;
}

}  // namespace

std::vector<int> misplacedXrefEntries(std::string_view file) {
  std::size_t pos = file.rfind("startxref");
  if (pos == file.npos) throw std::runtime_error("no startxref");
  pos += 9;
  pos = static_cast<std::size_t>(numberAt(file, pos));
  if (file.substr(pos, 4) != "xref") throw std::runtime_error("startxref does not point at xref");
  pos += 4;
  std::vector<int> misplaced;
  for (;;) {
    while (pos < file.size() && (file[pos] == '\r' || file[pos] == '\n' || file[pos] == ' ')) ++pos;
    if (file.substr(pos, 7) == "trailer") break;
    const long long first = numberAt(file, pos);
    const long long count = numberAt(file, pos);
    for (long long i = 0; i < count; ++i) {
      const long long offset = numberAt(file, pos);
      const long long generation = numberAt(file, pos);
      while (file[pos] == ' ') ++pos;
      const char type = file[pos++];
      const auto number = static_cast<int>(first + i);
      if (type != 'n') continue;
      const std::string expected = fmt::format("{} {} obj", number, generation);
      if (file.substr(static_cast<std::size_t>(offset), expected.size()) != expected) misplaced.push_back(number);
    }
  }
  return misplaced;
}

std::size_t objectStart(std::string_view file, int number) {
  const std::string header = fmt::format("{} 0 obj", number);
  for (std::size_t at = file.find(header); at != file.npos; at = file.find(header, at + 1)) {
    const bool lineStart = at == 0 || file[at - 1] == '\r' || file[at - 1] == '\n';
    const std::size_t after = at + header.size();
    const bool lineEnd = after < file.size() && (file[after] == '\r' || file[after] == '\n');
    if (lineStart && lineEnd) return at;
  }
  return file.npos;
}

long long integerAfter(std::string_view file, std::size_t from, std::string_view key) {
  for (std::size_t at = file.find(key, from); at != file.npos; at = file.find(key, at + 1)) {
    std::size_t pos = at + key.size();
    if (pos < file.size() && (file[pos] == ' ' || file[pos] == '\r' || file[pos] == '\n')) return numberAt(file, pos);
  }
  return -1;
}

std::string handMadeForm(const std::vector<std::string>& pageTexts) {
  const int pageCount = static_cast<int>(pageTexts.size());
  const int fontNumber = 3 + 2 * pageCount;
  std::vector<std::string> objects;
  objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (int i = 0; i < pageCount; ++i) kids += fmt::format(" {} 0 R", 3 + 2 * i);
  objects.push_back(fmt::format(
      "<< /Type /Pages /Kids [{} ] /Count {} /MediaBox [0 0 612 792] /Resources << /Font << /F1 {} 0 R >> >> >>",
      kids, pageCount, fontNumber));
  for (int i = 0; i < pageCount; ++i) {
    objects.push_back(fmt::format("<< /Type /Page /Parent 2 0 R /Contents {} 0 R >>", 4 + 2 * i));
    const std::string content = fmt::format("BT /F1 18 Tf 72 700 Td ({}) Tj ET\n", pageTexts[i]);
    objects.push_back(fmt::format("<< /Length {} >>\nstream\n{}endstream", content.size(), content));
  }
  objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");

  return classicPdf(objects);
}

std::string classicPdf(const std::vector<std::string>& objects) {
  std::string file = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(file.size());
    file += fmt::format("{} 0 obj\n{}\nendobj\n", i + 1, objects[i]);
  }
  const std::size_t xref = file.size();
  file += fmt::format("xref\n0 {}\n0000000000 65535 f \n", objects.size() + 1);
  for (std::size_t offset : offsets) file += fmt::format("{:010} 00000 n \n", offset);
  file += fmt::format("trailer\n<< /Size {} /Root 1 0 R >>\nstartxref\n{}\n%%EOF\n", objects.size() + 1, xref);
  return file;
}

}  // namespace tarvo::pdftest
