// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CMultiColumnSortListView.h"

#include <QHeaderView>
#include <QPainter>
#include <QSettings>
#include <algorithm>

#include "controls/Contrast.h"

CMultiColumnSortListView::CMultiColumnSortListView(QWidget* parent)
    : QTreeView(parent), model_(this), header_(new CSortHeader(this)) {
    setHeader(header_);
    setModel(&model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The clicks below sort, not the view; its own sorting would also make the headings
    // unclickable.
    header_->setSectionsClickable(true);
    header_->setSectionsMovable(false);
    header_->setStretchLastSection(false);
    // The headings sit above the rows: Tab reaches them first.
    setTabOrder(header_, this);
    connect(header_, &CSortHeader::HeadingClicked, this,
            [this](int column, bool ctrl) { HeadingClicked(column, ctrl); });
}

void CMultiColumnSortListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    QTreeView::drawRow(painter, option, index);
    // Grid lines: under each row and at the right edge of each column. The described grey
    // on white; on any other background as far from it towards the text, so a dark list
    // gets quiet lines rather than white ones.
    const QColor base = palette().color(QPalette::Base);
    const QColor grid = base == QColor(Qt::white)
                            ? kGridColour
                            : Mix(base, palette().color(QPalette::Text), 47 / 255.0);
    painter->save();
    painter->setPen(grid);
    const QRect row = option.rect;
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    for (int c = 0; c < header()->count(); ++c) {
        if (!header()->isSectionHidden(c)) {
            const int x = header()->sectionViewportPosition(c) + header()->sectionSize(c) - 1;
            painter->drawLine(x, row.top(), x, row.bottom());
        }
    }
    painter->restore();
}

CMultiColumnSortListView::~CMultiColumnSortListView() {
    SaveWidths();
}

void CMultiColumnSortListView::HeadingClicked(int column, bool ctrl) {
    // The direction bits hold 64 columns.
    if (column < 0 || column >= kMaxSortColumns || column >= model_.columnCount()) {
        return;
    }
    if (ctrl) {
        SortMulti(column);
    } else {
        SortSingle(column);
    }
}

bool CMultiColumnSortListView::IsNumeric(int column) const {
    return std::find(numeric_.begin(), numeric_.end(), column) != numeric_.end();
}

bool CMultiColumnSortListView::NextAscending(int column) const {
    return (directionBits_ >> column) & 1u;
}

void CMultiColumnSortListView::FlipDirection(int column) {
    directionBits_ ^= uint64_t{1} << column;
}

void CMultiColumnSortListView::SortSingle(int column) {
    header_->ClearArrows();
    sortList_.assign(1, column);
    const bool ascending = NextAscending(column);
    model_.SortPass(column, ascending, IsNumeric(column));
    header_->SetArrow(column, ascending ? CSortHeader::Arrow::Up : CSortHeader::Arrow::Down);
    FlipDirection(column);
}

void CMultiColumnSortListView::SortMulti(int column) {
    sortList_.erase(std::remove(sortList_.begin(), sortList_.end(), column), sortList_.end());
    sortList_.push_back(column);
    // The first entry is sorted last, so it decides and the later ones break its ties;
    // that needs every pass to be stable.
    for (auto it = sortList_.rbegin(); it != sortList_.rend(); ++it) {
        if (it == sortList_.rbegin()) {
            const bool ascending = NextAscending(column);
            model_.SortPass(column, ascending, IsNumeric(column));
            header_->SetArrow(column,
                              ascending ? CSortHeader::Arrow::Up : CSortHeader::Arrow::Down);
            FlipDirection(column);
        } else {
            // The direction it was sorted in last.
            model_.SortPass(*it, !NextAscending(*it), IsNumeric(*it));
        }
    }
}

void CMultiColumnSortListView::FitColumn(int column, int width) {
    setColumnWidth(column, std::max(width, header_->FittingWidth(column)));
}

QString CMultiColumnSortListView::WidthsText() const {
    QString text;
    for (int i = 0; i < header_->count(); ++i) {
        text += QString::number(header_->sectionSize(i)) + QLatin1Char(',');
    }
    return text;
}

void CMultiColumnSortListView::SaveWidths() const {
    if (registryName_.isEmpty()) {
        return;
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Hourglint"),
                       QStringLiteral("Hourglint"));
    settings.setValue(QStringLiteral("ColumnWidths/") + registryName_, WidthsText());
}
