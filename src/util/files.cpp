#include "util/files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace tarvo {
namespace fs = std::filesystem;

namespace {

bool hasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

bool matchesWildcard(std::string_view name, std::string_view pattern) {
    // Iterative match with backtracking to the last "*".
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++, starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1, n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool isRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

std::string readFileToString(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("Ne mogu da otvorim fajl " + path.string());
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) throw std::runtime_error("Ne mogu da pročitam fajl " + path.string());
    return content;
}

std::vector<fs::path> matchingFiles(const fs::path& pattern) {
    const std::string name = pattern.filename().string();
    if (!hasWildcard(name)) return isRegularFile(pattern) ? std::vector<fs::path>{pattern} : std::vector<fs::path>{};

    std::vector<fs::path> files;
    const fs::path folder = pattern.has_parent_path() ? pattern.parent_path() : fs::path(".");
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (matchesWildcard(it->path().filename().string(), name) && isRegularFile(it->path())) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

bool copyFiles(const fs::path& source, const fs::path& destination) {
    const std::vector<fs::path> files = matchingFiles(source);
    if (files.empty()) return false;
    std::error_code error;
    const bool intoFolder = fs::is_directory(destination, error) || files.size() > 1 ||
                            hasWildcard(source.filename().string()) || !destination.has_filename();
    if (intoFolder) {
        fs::create_directories(destination, error);
        if (error) return false;
    }
    bool ok = true;
    for (const fs::path& file : files) {
        const fs::path target = intoFolder ? destination / file.filename() : destination;
        ok = fs::copy_file(file, target, fs::copy_options::overwrite_existing, error) && ok;
    }
    return ok;
}

bool deleteFiles(const fs::path& path) {
    if (hasWildcard(path.filename().string())) {
        const fs::path folder = path.parent_path();
        if (!folder.is_absolute() || folder == folder.root_path()) return false;
    } else if (!isRegularFile(path)) {
        return false;
    }
    bool ok = true;
    for (const fs::path& file : matchingFiles(path)) {
        std::error_code error;
        ok = fs::remove(file, error) && ok;
    }
    return ok;
}

std::string stripTrailingBackslash(std::string_view path) {
    if (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.remove_suffix(1);
    return std::string(path);
}

}  // namespace tarvo
