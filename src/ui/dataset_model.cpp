#include "ui/dataset_model.h"

#include "data/db/error.h"

namespace tarvo::ui {

DatasetModel::DatasetModel(db::Dataset& dataset, std::vector<std::string> columns, Formatter formatter,
                           QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset), requested_(std::move(columns)), formatter_(std::move(formatter)) {
    resolveColumns();
}

void DatasetModel::resolveColumns() {
    columns_ = requested_;
    if (columns_.empty())
        for (const db::Column& column : dataset_.columns()) columns_.push_back(column.name);
}

const db::Column* DatasetModel::columnMeta(size_t column) const {
    for (const db::Column& meta : dataset_.columns())
        if (db::sameName(meta.name, columns_[column])) return &meta;
    return nullptr;
}

void DatasetModel::reload() {
    beginResetModel();
    resolveColumns();
    endResetModel();
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !dataset_.isOpen()) return 0;
    return static_cast<int>(dataset_.recordCount());
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const size_t column = static_cast<size_t>(index.column());
    const db::Column* meta = column < columns_.size() ? columnMeta(column) : nullptr;
    if (!meta) return {};
    try {
        const db::Value value = dataset_.valueAt(static_cast<size_t>(index.row()), columns_[column]);
        return QString::fromStdString(formatter_ ? formatter_(*meta, value) : value.asString());
    } catch (const db::DbError&) {
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromStdString(columns_[static_cast<size_t>(section)]);
}

}  // namespace tarvo::ui
