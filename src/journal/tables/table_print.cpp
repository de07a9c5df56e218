#include "journal/tables/table_print.h"

#include "data/db/dataset.h"
#include "data/db/error.h"
#include "journal/tables/field_text.h"
#include "reporting/pdf/my_pdf.h"

namespace tarvo::tables {
namespace {

constexpr double kLeft = 1.7;
constexpr double kRight = 9.4;
constexpr double kRowStep = 0.2;
constexpr double kPageBottom = 9.5;
constexpr double kPageTop = 0.5;
constexpr int kTitleSize = 16;
constexpr int kTextSize = 11;
constexpr const char* kBlack = "crna";

const db::Column* columnNamed(const db::Dataset& dataset, const std::string& name) {
    for (const db::Column& column : dataset.columns())
        if (db::sameName(column.name, name)) return &column;
    return nullptr;
}

// Inches taken by a column: its size in characters (10 for numbers and dates) over 40 for the key and
// over 22 for any other column.
double columnStep(const std::string& name, const db::Column* column) {
    unsigned size = column ? fieldSize(*column) : 0;
    if (size == 0) size = 10;
    return size / (db::sameName(name, "id") ? 40.0 : 22.0);
}

}  // namespace

void printTable(const db::Dataset& dataset, const std::vector<std::string>& columns, const std::string& title,
                const std::filesystem::path& output) {
    TMyPDF pdf;
    pdf.createNew(false);
    pdf.setOutputFileName(output);
    pdf.textOut(title, kTitleSize, true, 0, 0, 0.4, kLeft);
    pdf.drawLineInch(kBlack, kRight, 1.35, kLeft, 1.35, 0, 1, false, true);
    double y = 1.4;

    for (size_t row = 0; row < dataset.recordCount(); ++row) {
        y += kRowStep;
        double x = kLeft;
        for (const std::string& name : columns) {
            const db::Column* column = columnNamed(dataset, name);
            std::string text;
            if (column) {
                try {
                    text = displayText(*column, dataset.valueAt(row, name));
                } catch (const db::DbError&) {
                    // A value that cannot be read prints empty.
                }
            }
            pdf.textOut(text, kTextSize, true, 0, 0, y, x);
            x += columnStep(name, column);
        }
        if (y > kPageBottom) {
            y = kPageTop;
            pdf.addPage(false);
            pdf.selectPage(pdf.pageCount() - 1);
        }
    }
    y += kRowStep;
    pdf.drawLineInch(kBlack, kRight, y - 0.05, kLeft, y - 0.05, 0, 1, false, true);
    pdf.saveToFile();
}

}  // namespace tarvo::tables
