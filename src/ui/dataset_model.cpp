#include "ui/dataset_model.h"

#include "data/db/error.h"

namespace tarvo::ui {

DatasetModel::DatasetModel(db::Dataset& dataset, std::vector<std::string> columns, Formatter formatter,
                           QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset), requested_(std::move(columns)), formatter_(std::move(formatter)) {
    resolveColumns();
}

// Column metadata lives in the data set's result and changes when it is reopened.
void DatasetModel::resolveColumns() {
    columns_.clear();
    meta_.clear();
    const auto& available = dataset_.columns();
    auto find = [&](const std::string& name) -> const db::Column* {
        for (const db::Column& column : available)
            if (db::sameName(column.name, name)) return &column;
        return nullptr;
    };
    if (requested_.empty()) {
        for (const db::Column& column : available) {
            columns_.push_back(column.name);
            meta_.push_back(&column);
        }
        return;
    }
    for (const std::string& name : requested_) {
        columns_.push_back(name);
        meta_.push_back(find(name));
    }
}

void DatasetModel::reload() {
    beginResetModel();
    resolveColumns();
    endResetModel();
}

int DatasetModel::columnOf(const std::string& name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (db::sameName(columns_[i], name)) return static_cast<int>(i);
    return -1;
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
    if (!meta_.at(column)) return {};
    try {
        const db::Value value = dataset_.valueAt(static_cast<size_t>(index.row()), columns_[column]);
        return QString::fromStdString(formatter_ ? formatter_(*meta_[column], value) : value.asString());
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
