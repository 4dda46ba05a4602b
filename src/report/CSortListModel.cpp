// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CSortListModel.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// As atoi reads it: blanks, a sign, digits up to the first other character; 0 without any.
// Clamped instead of overflowing.
int32_t AtoiValue(const QString& text) {
    int i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min<int64_t>(value * 10 + (text[i].unicode() - u'0'), int64_t{INT32_MAX} + 1);
    }
    value = negative ? -value : value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

CSortListModel::CSortListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CSortListModel::SetColumns(const QStringList& headings,
                                const std::vector<Qt::Alignment>& alignments) {
    beginResetModel();
    headings_ = headings;
    alignments_ = alignments;
    alignments_.resize(static_cast<size_t>(headings_.size()), Qt::AlignLeft);
    endResetModel();
}

void CSortListModel::SetHeading(int column, const QString& text) {
    if (column < 0 || column >= headings_.size()) {
        return;
    }
    headings_[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void CSortListModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void CSortListModel::Append(Row row) {
    const int at = Count();
    beginInsertRows({}, at, at);
    rows_.push_back(std::move(row));
    endInsertRows();
}

void CSortListModel::SortPass(int column, bool ascending, bool numeric) {
    if (column < 0 || column >= headings_.size()) {
        return;
    }
    emit layoutAboutToBeChanged();
    const auto cell = [column](const Row& row) {
        return column < row.cells.size() ? row.cells[column] : QString();
    };
    if (numeric) {
        // The keys once per row, not once per comparison.
        std::vector<std::pair<int64_t, Row>> keyed;
        keyed.reserve(rows_.size());
        for (Row& row : rows_) {
            const int64_t key = static_cast<size_t>(column) < row.keys.size()
                                    ? row.keys[static_cast<size_t>(column)]
                                    : AtoiValue(cell(row));
            keyed.emplace_back(key, std::move(row));
        }
        std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
            return ascending ? a.first < b.first : b.first < a.first;
        });
        for (size_t i = 0; i < keyed.size(); ++i) {
            rows_[i] = std::move(keyed[i].second);
        }
    } else {
        std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
            const int order = QString::compare(cell(a), cell(b), Qt::CaseInsensitive);
            return ascending ? order < 0 : order > 0;
        });
    }
    emit layoutChanged();
}

int CSortListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int CSortListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant CSortListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) {
        return {};
    }
    const Row& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return index.column() < row.cells.size() ? row.cells[index.column()] : QString();
        case Qt::DecorationRole:
            return index.column() == 0 ? QVariant(row.icon) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignments_[static_cast<size_t>(index.column())] |
                                       Qt::AlignVCenter);
        case Qt::UserRole:
            return row.data;
        default:
            return {};
    }
}

QVariant CSortListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headings_.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return headings_[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(alignments_[static_cast<size_t>(section)] | Qt::AlignVCenter);
    }
    return {};
}
