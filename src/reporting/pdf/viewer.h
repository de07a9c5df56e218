#pragma once

#include <filesystem>

namespace tarvo {

// Starts the desktop's opener (xdg-open) on the file without a shell and without waiting;
// false when it could not be started.
bool startViewer(const std::filesystem::path& file);

}  // namespace tarvo
