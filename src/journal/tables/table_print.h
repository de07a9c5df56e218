#pragma once
// The print of a table window: its title and every record's grid columns, as a PDF.
#include <filesystem>
#include <string>
#include <vector>

namespace tarvo::db {
class Dataset;
}

namespace tarvo::tables {

// Writes every record of the data set from the first, one line per record. Throws PdfError.
void printTable(const db::Dataset& dataset, const std::vector<std::string>& columns, const std::string& title,
                const std::filesystem::path& output);

}  // namespace tarvo::tables
