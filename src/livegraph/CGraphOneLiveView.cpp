// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/CGraphOneLiveView.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <ctime>
#include <string>

#include "controls/CAccessibleTable.h"
#include "core/CGraphInputData.h"
#include "core/IClock.h"
#include "core/LocalTime.h"
#include "core/Message.h"
#include "livegraph/IGraphImageList.h"
#include "livegraph/LineFont.h"
#include "livegraph/TimeAxis.h"

namespace {

const QColor kFrameColour(127, 157, 185);
const QColor kGridColour(200, 200, 200);
constexpr int kDefaultMargin = 20;
constexpr int kDefaultRowHeight = 18;
constexpr int kMaxFontHeight = 16;
constexpr int kHatchPeriod = 8;  // Qt's pattern brushes repeat every 8 pixels

int Mod(int64_t value, int divisor) {
    return static_cast<int>((value % divisor + divisor) % divisor);
}

}  // namespace

CGraphOneLiveView::CGraphOneLiveView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setInterval(1000);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &CGraphOneLiveView::OnTick);
}

CGraphOneLiveView::~CGraphOneLiveView() = default;

void CGraphOneLiveView::Configure(QColor normalText, QColor normalBar, QColor currentText,
                                  QColor currentBar, int leftMargin, int rightMargin, int topMargin,
                                  int bottomMargin, int maxRowHeight, int titleHeight,
                                  const QString& title, CGraphInputData* input,
                                  const IGraphImageList* images) {
    const auto margin = [](int value) { return value < 0 ? kDefaultMargin : value; };
    normalText_ = normalText;
    normalBar_ = normalBar;
    currentText_ = currentText;
    currentBar_ = currentBar;
    leftMargin_ = margin(leftMargin);
    rightMargin_ = margin(rightMargin);
    topMargin_ = margin(topMargin);
    bottomMargin_ = margin(bottomMargin);
    maxRowHeight_ = maxRowHeight <= 0 ? kDefaultRowHeight : maxRowHeight;
    title_ = title;
    titleHeight_ = title.isEmpty() ? 0 : std::max(0, titleHeight);
    input_ = input;
    images_ = images;
    geom_.rowHeight = maxRowHeight_;
    Layout();
    fullRepaint_ = true;
    setAccessibleName(title_.isEmpty() ? tr("Live graph") : title_);
    Describe();
}

void CGraphOneLiveView::Layout() {
    width_ = width();
    height_ = height();
    geom_.left = leftMargin_;
    geom_.right = width_ - rightMargin_;
    geom_.top = topMargin_ + titleHeight_ + geom_.rowHeight;
    geom_.bottom = height_ - geom_.rowHeight - bottomMargin_;
}

void CGraphOneLiveView::OnTick() {
    SampleInput();
    if (timeline_.RowAdded() || timeline_.Evicted()) {
        CAccessibleTable::Changed(this);
    }
    if (!timeline_.EqualsPrevious()) {
        Describe();
    }
    // A hidden window gets its resize event only when shown; lay out for the size it has.
    if (width() != width_ || height() != height_) {
        Layout();
        fullRepaint_ = true;
    }

    // The layout stays that of the last resize; only the lanes follow the row count.
    geom_.stripWidth = geom_.right - geom_.left - kStripOffset;
    geom_.plotHeight = geom_.bottom - geom_.top;
    const int rowHeight =
        CLaneTimeline::RowHeight(geom_.plotHeight, timeline_.RowCount(), maxRowHeight_);
    if (rowHeight != geom_.rowHeight || timeline_.Evicted()) {
        fullRepaint_ = true;
    }
    geom_.rowHeight = rowHeight;
    geom_.barHeight = CLaneTimeline::BarHeight(rowHeight);

    if (fullRepaint_) {
        BuildLayers(layers_);
        composite_ = layers_.background.copy();
        fullRepaint_ = false;
        timeline_.ClearEvicted();
    } else {
        RepaintLanes();
    }
    timeline_.ClearRowAdded();

    // The cursor keeps to its second as the strip moves on.
    ++cursorOffset_;
    axisTime_ = clock_ != nullptr ? clock_->Now() : static_cast<int64_t>(std::time(nullptr));
    Compose(composite_, layers_);
    update();
}

void CGraphOneLiveView::SampleInput() {
    std::string label;
    std::string key;
    int icon = -1;
    if (input_ != nullptr) {
        if (!input_->GetCurrent(label, key, icon)) {
            timeline_.SampleNone();
            return;
        }
    } else if (!inputWarned_) {
        // Once per view: a box every second would pile up without end. Shown from the
        // event loop, never from inside this timer's slot.
        inputWarned_ = true;
        QTimer::singleShot(0, this, [] { ShowMessage("No valid pInputData"); });
    }
    timeline_.Sample(label, key, icon);
}

void CGraphOneLiveView::Describe() {
    const int current = timeline_.CurrentRow();
    setAccessibleDescription(
        current < 0
            ? tr("Nobody is in front.")
            : tr("%1 is in front.").arg(QString::fromStdString(timeline_.Rows()[current].label)));
}

QString CGraphOneLiveView::AccessibleHeading(int column) const {
    switch (column) {
        case 0:
            return tr("Lane");
        case 1:
            return tr("Program");
        case 2:
            return tr("Seconds shown");
        case 3:
            return tr("Last in front");
        default:
            return {};
    }
}

QString CGraphOneLiveView::AccessibleCell(int row, int column) const {
    if (row < 0 || row >= timeline_.RowCount()) {
        return {};
    }
    if (column == 0) return QString::number(row + 1);
    if (column == 1) return QString::fromStdString(timeline_.Rows()[row].label);
    // What the strip shows of the lane: its bars and the newest one's end.
    int shown = 0;
    int newest = -1;
    for (const CLaneTimeline::Run& run : timeline_.Runs(geom_.stripWidth)) {
        if (run.row != row) continue;
        shown += run.length;
        if (newest < 0) newest = run.age;
    }
    if (column == 2) return QString::number(shown);
    if (column != 3) return {};
    if (newest < 0) return tr("Not in the picture");
    return newest == 0 ? tr("Now") : tr("%1 s ago").arg(newest);
}

QRect CGraphOneLiveView::AccessibleRowRect(int row) const {
    if (row < 0 || row >= timeline_.RowCount()) {
        return {};
    }
    return QRect(geom_.left, geom_.top + 1 + row * geom_.rowHeight, geom_.right - geom_.left,
                 geom_.rowHeight);
}

bool CGraphOneLiveView::HasStrip() const {
    return geom_.stripWidth >= 1 && geom_.plotHeight >= 2;
}

void CGraphOneLiveView::BuildLayers(Layers& layers) const {
    const Geometry& g = geom_;
    layers.geom = g;
    layers.background = QImage(std::max(1, width_), std::max(1, height_), QImage::Format_RGB32);
    layers.background.fill(Qt::white);
    {
        QPainter painter(&layers.background);
        if (!title_.isEmpty()) {
            painter.setFont(LineFont(titleHeight_));
            painter.setPen(Qt::black);
            painter.drawText(QRect(0, topMargin_, width_, titleHeight_),
                             Qt::AlignCenter | Qt::TextSingleLine, title_);
        }
        const int l = g.left, r = g.right, t = g.top, b = g.bottom;
        // Label frame: top, left and bottom; strip frame: top, right and bottom.
        painter.fillRect(l, t, kLabelWidth + 1, 1, kFrameColour);
        painter.fillRect(l, t, 1, b - t + 1, kFrameColour);
        painter.fillRect(l, b, kLabelWidth, 1, kFrameColour);
        painter.fillRect(l + kStripOffset, t, r - l - kStripOffset, 1, kFrameColour);
        painter.fillRect(r, t, 1, b - t, kFrameColour);
        painter.fillRect(l + kStripOffset + 1, b, r - l - kStripOffset, 1, kFrameColour);
    }
    layers.strip = QImage();
    layers.labels = QImage();
    if (!HasStrip()) {
        return;
    }
    layers.strip = QImage(g.stripWidth, g.plotHeight - 1, QImage::Format_RGB32);
    layers.strip.fill(Qt::white);
    // Lay the ring out so that its columns are the strip's columns right now.
    layers.stripBase = timeline_.Total() - g.stripWidth;
    {
        QPainter painter(&layers.strip);
        for (const CLaneTimeline::Run& run : timeline_.Runs(g.stripWidth)) {
            DrawBar(painter, layers, run.row, run.age, run.length);
        }
    }
    layers.labels = QImage(kLabelWidth + 2, g.plotHeight - 1, QImage::Format_RGB32);
    layers.labels.fill(Qt::white);
    for (int row = 0; row < timeline_.RowCount(); ++row) {
        DrawLabel(layers, row);
    }
}

void CGraphOneLiveView::RepaintLanes() {
    if (layers_.strip.isNull()) {
        return;
    }
    const int columns = layers_.strip.width();
    const int64_t total = timeline_.Total();
    const int window = timeline_.Window(columns);
    // The second that just left the strip (or the ring) leaves a white column behind.
    const int64_t leaving = total - 1 - std::min(columns, CLaneTimeline::kRingSize);
    if (leaving >= 0) {
        QPainter painter(&layers_.strip);
        painter.fillRect(StripColumn(layers_, leaving), 0, 1, layers_.strip.height(), Qt::white);
    }
    const int current = timeline_.CurrentRow();
    const int previous = timeline_.At(1);
    // The oldest run shown is cut at the strip's left end, which moved.
    const int oldest = total > window ? timeline_.At(window - 1) : -1;
    DrawLane(layers_, current);
    if (previous != current) DrawLane(layers_, previous);
    if (oldest != current && oldest != previous) DrawLane(layers_, oldest);
    if (timeline_.RowAdded() || !timeline_.EqualsPrevious()) {
        DrawLabel(layers_, current);
        if (previous != current) DrawLabel(layers_, previous);
    }
}

void CGraphOneLiveView::DrawLane(Layers& layers, int row) const {
    if (row < 0) {
        return;
    }
    const int rowHeight = layers.geom.rowHeight;
    QPainter painter(&layers.strip);
    painter.fillRect(0, row * rowHeight, layers.strip.width(), rowHeight, Qt::white);
    for (const CLaneTimeline::Run& run : timeline_.Runs(layers.strip.width())) {
        if (run.row == row) {
            DrawBar(painter, layers, run.row, run.age, run.length);
        }
    }
}

int CGraphOneLiveView::StripColumn(const Layers& layers, int64_t second) const {
    return Mod(second - layers.stripBase, layers.strip.width());
}

void CGraphOneLiveView::DrawBar(QPainter& painter, const Layers& layers, int row, int age,
                                int length) const {
    if (row < 0) {
        return;
    }
    const int rowHeight = layers.geom.rowHeight;
    const int top = CLaneTimeline::BarTop(row, rowHeight);
    const int height = CLaneTimeline::BarBottom(row, rowHeight) - top;
    if (height <= 0) {
        return;
    }
    const QColor colour = row == timeline_.CurrentRow() ? currentBar_ : normalBar_;
    const QBrush hatch(colour, Qt::DiagCrossPattern);
    const int columns = layers.strip.width();
    const int64_t first = timeline_.Total() - age - length;
    const int start = StripColumn(layers, first);
    // A run crossing the ring's end is drawn twice, each copy clipped by the image.
    for (const int x : {start, start - columns}) {
        if (x + length <= 0) continue;
        painter.fillRect(x, top, length, height, Qt::white);
        painter.setBrushOrigin(Mod(x - first, kHatchPeriod), 0);
        if (length > 2 && height > 2) {
            painter.fillRect(x + 1, top + 1, length - 2, height - 2, hatch);
        }
        painter.fillRect(x, top, length, 1, colour);
        painter.fillRect(x, top + height - 1, length, 1, colour);
        painter.fillRect(x, top, 1, height, colour);
        painter.fillRect(x + length - 1, top, 1, height, colour);
        if (start + length <= columns) break;
    }
}

void CGraphOneLiveView::DrawLabel(Layers& layers, int row) const {
    if (row < 0 || layers.labels.isNull()) {
        return;
    }
    const CLaneTimeline::Row& data = timeline_.Rows()[row];
    const int rowHeight = layers.geom.rowHeight;
    const int y = row * rowHeight;
    QPainter painter(&layers.labels);
    painter.fillRect(0, y, kLabelWidth, rowHeight, Qt::white);
    painter.setClipRect(0, y, kLabelWidth, rowHeight);
    // The lane separator covers the first line of every lane but the first.
    const QRect band(0, y + 1, kLabelWidth, rowHeight - 1);
    painter.setFont(LineFont(std::min(band.height(), kMaxFontHeight)));
    painter.setPen(row == timeline_.CurrentRow() ? currentText_ : normalText_);
    painter.drawText(QRect(0, band.top(), 30, band.height()), Qt::AlignCenter | Qt::TextSingleLine,
                     QString::number(row + 1));
    const int iconSize = std::min(rowHeight * 9 / 10, kMaxFontHeight);
    if (images_ != nullptr && iconSize > 0) {
        const QIcon icon = images_->Icon(data.icon);
        if (!icon.isNull()) {
            painter.drawPixmap(QRect(31, y + 2, iconSize, iconSize),
                               icon.pixmap(QSize(iconSize, iconSize)));
        }
    }
    const int textLeft = 35 + iconSize;
    painter.drawText(QRect(textLeft, band.top(), kLabelWidth - textLeft, band.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromStdString(data.label));
}

void CGraphOneLiveView::Compose(QImage& target, const Layers& layers) const {
    if (target.isNull()) {
        return;
    }
    const Geometry& g = layers.geom;
    const int l = g.left, r = g.right, t = g.top, b = g.bottom;
    QPainter painter(&target);
    if (!layers.strip.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const int columns = layers.strip.width();
        const int lines = layers.strip.height();
        const int split = StripColumn(layers, timeline_.Total() - columns);
        const int stripLeft = l + kStripOffset;
        painter.drawImage(QPoint(stripLeft, t + 1), layers.strip,
                          QRect(split, 0, columns - split, lines));
        if (split > 0) {
            painter.drawImage(QPoint(stripLeft + columns - split, t + 1), layers.strip,
                              QRect(0, 0, split, lines));
        }
        painter.drawImage(QPoint(l + 1, t + 1), layers.labels, QRect(2, 0, kLabelWidth, lines));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    for (int i = 1; i <= timeline_.RowCount(); ++i) {
        const int y = t + i * g.rowHeight + 1;
        if (y >= b) break;
        painter.fillRect(l + 1, y, kLabelWidth - 1, 1, kGridColour);
        painter.fillRect(l + kStripOffset + 1, y, r - l - kStripOffset - 1, 1, kGridColour);
    }
    painter.fillRect(l + kLabelWidth, t, 1, b - t + 1, kFrameColour);
    painter.fillRect(l + kStripOffset, t, 1, b - t + 1, kFrameColour);
    DrawAxis(painter, g);
    const int cursorX = r - cursorOffset_;
    if (cursorShown_ && cursorX > l + kStripOffset) {
        painter.fillRect(cursorX, t + 1, 1, b - t - 1, Qt::black);
    }
}

void CGraphOneLiveView::DrawAxis(QPainter& painter, const Geometry& g) const {
    const int rowHeight = g.rowHeight;
    const int plotWidth = g.right - g.left;
    const QFont font = LineFont(std::min(rowHeight - rowHeight / 4, kMaxFontHeight));
    const int labelWidth = QFontMetrics(font).horizontalAdvance(QStringLiteral("00:00"));
    const int half = labelWidth / 2;
    const QRect upper(g.left, g.top - rowHeight, plotWidth + half, rowHeight);
    const QRect lower(g.left, g.bottom + 1, plotWidth + half, rowHeight);
    painter.fillRect(upper, Qt::white);
    painter.fillRect(lower, Qt::white);
    std::tm local{};
    if (!ToLocalTime(axisTime_, local)) {
        return;
    }
    painter.save();
    painter.setClipRegion(QRegion(upper) + QRegion(lower));
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const AxisMark& mark : TimeAxisMarks(local.tm_hour, local.tm_min, local.tm_sec, plotWidth,
                                              g.stripWidth, labelWidth)) {
        const int x = g.left + mark.x;
        const int length = mark.isLong ? rowHeight / 4 : rowHeight / 8;
        painter.fillRect(x, g.top - length, 1, length, kFrameColour);
        painter.fillRect(x, g.bottom + 1, 1, length, kFrameColour);
        if (!mark.label.empty()) {
            const QString text = QString::fromStdString(mark.label);
            painter.drawText(QRect(x - half, upper.top(), labelWidth, rowHeight),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
            painter.drawText(QRect(x - half, lower.top(), labelWidth, rowHeight),
                             Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine, text);
        }
    }
    painter.restore();
}

QImage CGraphOneLiveView::FullRepaintPicture() const {
    Layers fresh;
    BuildLayers(fresh);
    QImage picture = fresh.background.copy();
    Compose(picture, fresh);
    return picture;
}

void CGraphOneLiveView::paintEvent(QPaintEvent* /*event*/) {
    if (firstPaintPending_) {
        firstPaintPending_ = false;
        Layout();
        timer_.start();
    }
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!composite_.isNull()) {
        painter.drawImage(0, 0, composite_);
    }
}

void CGraphOneLiveView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Re-laid at the next tick; until then the old picture stays.
    Layout();
    fullRepaint_ = true;
}

void CGraphOneLiveView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        const bool inside = geom_.left + kStripOffset < at.x() && at.x() < geom_.right - 1 &&
                            geom_.top < at.y() && at.y() < geom_.bottom;
        if (inside) {
            cursorShown_ = true;
            cursorOffset_ = geom_.right - at.x();
        } else {
            cursorShown_ = false;
        }
        Compose(composite_, layers_);
        update();
    }
    QWidget::mousePressEvent(event);
}

void CGraphOneLiveView::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 60 : 1;
    int offset = cursorOffset_;
    switch (event->key()) {
        case Qt::Key_Left:
            offset += cursorShown_ ? step : 0;
            break;
        case Qt::Key_Right:
            offset -= cursorShown_ ? step : 0;
            break;
        case Qt::Key_Escape:
            if (!cursorShown_) {
                event->ignore();
                return;
            }
            cursorShown_ = false;
            Compose(composite_, layers_);
            update();
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    // Inside the strip as a click must be: right - offset between the strip's left edge
    // and right - 1, both outside.
    const int newest = 2;
    const int oldest = geom_.right - geom_.left - kStripOffset - 1;
    if (!cursorShown_) {
        offset = newest;
    }
    if (oldest >= newest) {
        cursorOffset_ = std::clamp(offset, newest, oldest);
        cursorShown_ = true;
    }
    Compose(composite_, layers_);
    update();
}

void CGraphOneLiveView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cursorShown_ = false;
    }
    Compose(composite_, layers_);
    update();
    QWidget::keyReleaseEvent(event);
}
