#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvo {

// The family folder shared with the sibling programs: $KELMA_HOME, by default ~/kelma; created on first use.
std::filesystem::path familyFolder();
// A subfolder of the family folder, lower case ("tabele", "txt", "deftabele", ...), created on first use.
std::filesystem::path familySubfolder(std::string_view name);

// Maps a path stored in Windows form ("C:\KELMA\TABELE\konto.sql", "\kelma\deftabele\x.sql") onto the
// family folder; any other path is returned with its backslashes turned into slashes.
std::filesystem::path mapStoredPath(std::string_view stored);

// Data that ships with the program: the family folder's copy wins, then $TARVO_DATA_DIR, the installed
// share folder, and the source tree. `relative` is e.g. "deftabele/konto_PRED.sql". Empty when none exists.
std::filesystem::path findShippedFile(std::string_view relative);

}  // namespace tarvo
