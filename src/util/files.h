#pragma once

// Whole-file reads and wildcard copies and deletes. A wildcard ("*", "?") may stand only in
// the file-name part of a pattern; only files are touched, never folders.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The file's bytes; throws std::runtime_error when it cannot be read.
std::string readFileToString(const std::filesystem::path& path);

// The files that a path or pattern names (a plain path: itself, when it is a file).
std::vector<std::filesystem::path> matchingFiles(const std::filesystem::path& pattern);

// Copies the matching files into the destination folder, or, for a single file and a
// destination that is not a folder, to that file name. Existing files are overwritten.
// False when nothing matched or any copy failed.
bool copyFiles(const std::filesystem::path& source, const std::filesystem::path& destination);

// Deletes the matching files without asking. A pattern must have an absolute folder other
// than the root, so a stray "*" never empties the working folder. True when every matching
// file is gone (also when a pattern matched nothing); false for a missing plain file.
bool deleteFiles(const std::filesystem::path& path);

// The path without one trailing "\" or "/"; "" for "".
std::string stripTrailingBackslash(std::string_view path);

}  // namespace tarvo
