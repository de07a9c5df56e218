#include "util/paths.h"

#include <cstdlib>
#include <system_error>
#include <vector>

#include "util/utf8.h"

#ifndef TARVO_INSTALL_DATA_DIR
#define TARVO_INSTALL_DATA_DIR "/usr/local/share/tarvo"
#endif
#ifndef TARVO_SOURCE_DATA_DIR
#define TARVO_SOURCE_DATA_DIR ""
#endif

namespace tarvo {
namespace fs = std::filesystem;

fs::path familyFolder() {
    fs::path folder;
    if (const char* home = std::getenv("KELMA_HOME"); home && *home) {
        folder = home;
    } else {
        const char* user = std::getenv("HOME");
        folder = fs::path(user && *user ? user : "/tmp") / "kelma";
    }
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return folder;
}

fs::path familySubfolder(std::string_view name) {
    fs::path folder = familyFolder() / utf8Lower(name);
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return folder;
}

fs::path mapStoredPath(std::string_view stored) {
    std::string path(stored);
    for (char& c : path)
        if (c == '\\') c = '/';
    std::string lower = utf8Lower(path);
    size_t start = 0;
    if (lower.size() >= 2 && lower[1] == ':') start = 2;
    if (lower.compare(start, 7, "/kelma/") == 0) {
        // Inside the family folder every folder name is lower case; the file name keeps its case.
        std::string rest = path.substr(start + 7);
        size_t slash = rest.rfind('/');
        std::string folders = slash == std::string::npos ? "" : utf8Lower(rest.substr(0, slash + 1));
        std::string file = slash == std::string::npos ? rest : rest.substr(slash + 1);
        return familyFolder() / (folders + file);
    }
    return fs::path(path);
}

fs::path findShippedFile(std::string_view relative) {
    const fs::path rel(relative);
    std::vector<fs::path> roots{familyFolder()};
    if (const char* dir = std::getenv("TARVO_DATA_DIR"); dir && *dir) roots.emplace_back(dir);
    roots.emplace_back(TARVO_INSTALL_DATA_DIR);
    if (*TARVO_SOURCE_DATA_DIR) roots.emplace_back(TARVO_SOURCE_DATA_DIR);
    std::error_code ignored;
    for (const auto& root : roots)
        if (fs::exists(root / rel, ignored)) return root / rel;
    return {};
}

}  // namespace tarvo
