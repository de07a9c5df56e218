#pragma once

// The classic cross-reference table and trailer written after the objects.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvo {

struct TPdfRefTabEntry {
  int number = 0;
  std::int64_t offset = 0;
  int generation = 0;
  char type = 'n';
};

struct TPdfTrailer {
  int size = 0;
  std::optional<std::int64_t> prev;
  int root = 0;
  int rootGeneration = 0;
  int info = 0;
  int infoGeneration = 0;
  // Further entries of a form's trailer, carried into the update as "key value" lines.
  std::string formTrailerText;
};

struct TPdfRefTable {
  std::vector<TPdfRefTabEntry> entries;
  TPdfTrailer trailer;
  std::int64_t startxref = 0;
  int highestInUse = 0;
  int highestInForm = 0;

  void record(int number, std::int64_t offset, int generation) {
    entries.push_back({number, offset, generation, 'n'});
  }
  // "xref" to "%%EOF"; `xrefOffset` is where "xref" lands in the file. A new document's
  // table opens with the free entry of object 0.
  std::string toText(std::int64_t xrefOffset, bool withFreeHead) const;
};

}  // namespace tarvo
