// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CListModel.h"

#include <utility>

#include "core/UsageRecord.h"
#include "shell/CImageList.h"

CListModel::CListModel(std::vector<ListColumn> columns, bool pathToolTips, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)), pathToolTips_(pathToolTips) {}

const UsageRecord* CListModel::RowData(int row) const {
    if (row < 0 || row >= rowCount()) {
        return nullptr;
    }
    return rows_[static_cast<size_t>(row)].data;
}

QString CListModel::ToolTipText(const std::string& path) {
    const QString text = QString::fromStdString(path);
    int cut = 0;
    int characters = 0;
    while (cut < text.size() && characters < kToolTipLength) {
        cut += (text.at(cut).isHighSurrogate() && cut + 1 < text.size()) ? 2 : 1;
        ++characters;
    }
    return text.left(cut);
}

void CListModel::SetImageList(IImageList* images) {
    beginResetModel();
    images_ = dynamic_cast<const CImageList*>(images);
    endResetModel();
}

void CListModel::InsertRow(int index, const std::string& text, int image, const UsageRecord* data) {
    // Like the list control: an index past the end appends.
    const int at = (index < 0 || index > rowCount()) ? rowCount() : index;
    Row row;
    row.cells.resize(columns_.size());
    if (!row.cells.empty()) {
        row.cells[0] = QString::fromStdString(text);
    }
    row.image = image;
    row.data = data;
    beginInsertRows(QModelIndex(), at, at);
    rows_.insert(rows_.begin() + at, std::move(row));
    endInsertRows();
}

void CListModel::SetCellText(int row, int column, const std::string& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return;
    }
    rows_[static_cast<size_t>(row)].cells[static_cast<size_t>(column)] =
        QString::fromStdString(text);
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void CListModel::SetRowImage(int row, int image) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    rows_[static_cast<size_t>(row)].image = image;
    const QModelIndex cell = index(row, 0);
    emit dataChanged(cell, cell, {Qt::DecorationRole});
}

void CListModel::DeleteRow(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void CListModel::DeleteAllRows() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int CListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const Row& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return row.cells[static_cast<size_t>(index.column())];
        case Qt::DecorationRole:
            if (index.column() == 0 && images_ != nullptr && row.image >= 0) {
                const QIcon icon = images_->Icon(row.image);
                if (!icon.isNull()) {
                    return icon;
                }
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columns_[static_cast<size_t>(index.column())].alignment |
                                       Qt::AlignVCenter);
        case Qt::ToolTipRole:
            if (pathToolTips_ && row.data != nullptr) {
                return ToolTipText(row.data->path);
            }
            return {};
        default:
            return {};
    }
}

QVariant CListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const ListColumn& column = columns_[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole) {
        return column.heading;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags CListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
