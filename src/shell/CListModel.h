// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "core/IListControl.h"

class CImageList;

struct ListColumn {
    QString heading;
    int width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A report-style list whose rows are written only by the tracker through IListControl.
class CListModel : public QAbstractTableModel, public IListControl {
  public:
    // pathToolTips: each row's tool tip is its record's executable path.
    CListModel(std::vector<ListColumn> columns, bool pathToolTips, QObject* parent = nullptr);

    const std::vector<ListColumn>& Columns() const { return columns_; }
    const UsageRecord* RowData(int row) const;

    // The path as the tool tip shows it: at most 79 characters, never a split character.
    static QString ToolTipText(const std::string& path);
    static constexpr int kToolTipLength = 79;

    // IListControl
    void SetImageList(IImageList* images) override;
    void InsertRow(int index, const std::string& text, int image, const UsageRecord* data) override;
    void SetCellText(int row, int column, const std::string& text) override;
    void SetRowImage(int row, int image) override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override;

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    struct Row {
        std::vector<QString> cells;
        int image = -1;
        const UsageRecord* data = nullptr;
    };

    std::vector<ListColumn> columns_;
    bool pathToolTips_;
    const CImageList* images_ = nullptr;
    std::vector<Row> rows_;
};
