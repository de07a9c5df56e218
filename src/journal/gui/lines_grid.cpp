#include "journal/gui/lines_grid.h"

#include <QHeaderView>

#include "data/db/dataset.h"
#include "journal/gui/cell_text.h"

namespace tarvo::journal {
namespace {

struct GridColumn {
    const char* field;
    const char* title;
};

constexpr GridColumn kColumns[] = {
    {"id", "id"},           {"nalogid", "nalogid"},   {"rbr", "rbr"},
    {"opis", "opis"},       {"dokument", "dokument"}, {"datum", "datum"},
    {"kontoid", "kontoid"}, {"nazivKonta", "nazivKonta"}, {"partnerid", "pid"},
    {"partnerid2", "pid2"}, {"nazivPartnera", "nazivPartnera"}, {"duguje", "duguje"},
    {"potrazuje", "potrazuje"},
};

// Lookup fields have no column of their own: they read as text.
db::Column columnOf(const db::Dataset& lines, const char* field) {
    for (const db::Column& column : lines.columns())
        if (db::sameName(column.name, field)) return column;
    return db::Column{field};
}

}  // namespace

LinesGrid::LinesGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName("DBGrid1");
    setColumnCount(static_cast<int>(std::size(kColumns)));
    QStringList titles;
    for (const GridColumn& column : kColumns) titles << QString::fromUtf8(column.title);
    setHorizontalHeaderLabels(titles);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow) {
        if (row >= 0 && row != previousRow) emit lineSelected(row);
    });
}

std::string LinesGrid::fieldAt(int column) const {
    if (column < 0 || column >= static_cast<int>(std::size(kColumns))) return {};
    return kColumns[column].field;
}

void LinesGrid::showLines(db::Dataset& lines) {
    if (lines.state() != db::Dataset::State::Browse) return;
    const QSignalBlocker blocker(this);
    const int keptColumn = std::max(currentColumn(), 0);
    const size_t current = lines.position();
    std::vector<db::Column> columns;
    for (const GridColumn& column : kColumns) columns.push_back(columnOf(lines, column.field));
    setRowCount(static_cast<int>(lines.recordCount()));
    for (size_t row = 0; row < lines.recordCount(); ++row) {
        lines.moveTo(row);
        for (size_t c = 0; c < columns.size(); ++c) {
            const char* field = kColumns[c].field;
            const QString text = lines.hasField(field) ? qs(cellText(columns[c], lines.field(field))) : QString();
            auto* item = new QTableWidgetItem(text);
            if (columns[c].isNumeric()) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(static_cast<int>(row), static_cast<int>(c), item);
        }
    }
    lines.moveTo(current);
    if (current < lines.recordCount()) setCurrentCell(static_cast<int>(current), keptColumn);
    else setCurrentCell(-1, -1);
}

}  // namespace tarvo::journal
