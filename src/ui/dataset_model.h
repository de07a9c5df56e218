#pragma once
#include <QAbstractTableModel>

#include <functional>
#include <string>
#include <vector>

#include "data/db/dataset.h"

namespace tarvo::ui {

// A read-only grid model over a data set: one row per visible record in the data set's order, the
// listed columns (every column when none are listed), titles = column names. The data set keeps its
// cursor; call reload() after it was changed, reopened or sorted.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Turns a cell into the text shown; by default the value as stored.
    using Formatter = std::function<std::string(const db::Column&, const db::Value&)>;

    explicit DatasetModel(db::Dataset& dataset, std::vector<std::string> columns = {}, Formatter formatter = {},
                          QObject* parent = nullptr);

    void reload();
    const std::string& columnName(int column) const { return columns_.at(static_cast<size_t>(column)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void resolveColumns();
    // Looked up on every use: the data set replaces its column list whenever it reads the rows again.
    const db::Column* columnMeta(size_t column) const;

    db::Dataset& dataset_;
    std::vector<std::string> requested_;
    std::vector<std::string> columns_;
    Formatter formatter_;
};

}  // namespace tarvo::ui
