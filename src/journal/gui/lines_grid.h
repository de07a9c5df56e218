#pragma once
#include <QTableWidget>

#include <string>
#include <vector>

namespace tarvo::db {
class Dataset;
}

namespace tarvo::journal {

// The read-only grid of the open voucher's posting lines (`DBGrid1`), names of accounts and partners
// included. It is filled from the line data set while that is browsed; while a line is being typed the
// grid keeps what it showed.
class LinesGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit LinesGrid(QWidget* parent = nullptr);

    // Every visible line in the data set's order, with the data set's current line selected.
    void showLines(db::Dataset& lines);
    // The column's field name ("kontoid", "nazivKonta", ...).
    std::string fieldAt(int column) const;

signals:
    // The user selected another line.
    void lineSelected(int position);
};

}  // namespace tarvo::journal
