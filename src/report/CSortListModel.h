// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <vector>

// The rows of a sortable report list: cell texts, an icon in column 0 and item data.
class CSortListModel : public QAbstractTableModel {
  public:
    struct Row {
        QStringList cells;
        QIcon icon;
        qint64 data = 0;
        // When given, what a numeric column sorts by instead of the atoi value of its text.
        std::vector<qint64> keys{};
    };

    explicit CSortListModel(QObject* parent = nullptr);

    // Headings, alignments and the column count.
    void SetColumns(const QStringList& headings, const std::vector<Qt::Alignment>& alignments);
    void SetHeading(int column, const QString& text);

    void Clear();
    void Append(Row row);
    const Row& At(int row) const { return rows_[static_cast<size_t>(row)]; }
    int Count() const { return static_cast<int>(rows_.size()); }

    // One stable pass over column: numeric columns by their atoi value, others as text
    // without regard to case.
    void SortPass(int column, bool ascending, bool numeric);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QStringList headings_;
    std::vector<Qt::Alignment> alignments_;
    std::vector<Row> rows_;
};
