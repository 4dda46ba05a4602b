// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CReportListView.h"

#include <QHeaderView>
#include <algorithm>
#include <utility>

CReportListView::CReportListView(std::vector<ListColumn> columns, bool pathToolTips,
                                 QWidget* parent)
    : QTreeView(parent), model_(std::move(columns), pathToolTips, this) {
    setModel(&model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setFrameShape(QFrame::StyledPanel);

    QHeaderView* head = header();
    head->setStretchLastSection(false);
    head->setSectionsMovable(false);
    // The order is always most recently used first: the headings are not sort buttons.
    head->setSectionsClickable(false);
    head->setSortIndicatorShown(false);
    head->setSectionResizeMode(QHeaderView::Interactive);
    const auto& list = model_.Columns();
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        // The widths come from the English headings: a longer one widens its column.
        head->resizeSection(i,
                            std::max(list[static_cast<size_t>(i)].width, head->sectionSizeHint(i)));
    }
}
