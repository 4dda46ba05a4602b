// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/CGraphOneLiveView.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>

#include "controls/CAccessibleTable.h"
#include "controls/Contrast.h"
#include "controls/DevicePixels.h"
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

// Logical pixels of a layer whose logical origin is (ox, oy) onto its device pixels: each
// logical edge on a whole device pixel, counted from the origin's, so layers laid into the
// composite meet it edge for edge; rules one RuleWidth thick.
struct Grid {
    qreal ratio = 1;
    int ox = 0, oy = 0;

    static int Edge(qreal ratio, int64_t logical) {
        return static_cast<int>(std::floor(logical * ratio + 0.5));
    }
    int X(int64_t x) const { return Edge(ratio, ox + x) - Edge(ratio, ox); }
    int Y(int64_t y) const { return Edge(ratio, oy + y) - Edge(ratio, oy); }
    int Rule() const { return RuleWidth(ratio); }
    QRect Rect(int x, int y, int w, int h) const {
        return QRect(X(x), Y(y), X(x + w) - X(x), Y(y + h) - Y(y));
    }
    // A one-pixel rule w long at (x, y), or h high.
    QRect Row(int x, int y, int w) const { return QRect(X(x), Y(y), X(x + w) - X(x), Rule()); }
    QRect Column(int x, int y, int h) const { return QRect(X(x), Y(y), Rule(), Y(y + h) - Y(y)); }
    // Texts drawn in the layer's logical pixels.
    QTransform Text() const {
        return QTransform(ratio, 0, 0, ratio, ratio * ox - Edge(ratio, ox),
                          ratio * oy - Edge(ratio, oy));
    }
};

// Ring columns: the fewest, not fewer than wanted, whose device width is whole and a multiple
// of the hatch's, so a bar crossing the ring's end keeps its hatch.
int RingColumns(int wanted, qreal ratio) {
    const int period = kHatchPeriod * RuleWidth(ratio);
    int step = 1;
    for (int n = 1; n <= 64; ++n) {
        const double pixels = n * ratio;
        if (std::abs(pixels - std::round(pixels)) < 1e-6 &&
            static_cast<int64_t>(std::round(pixels)) % period == 0) {
            step = n;
            break;
        }
    }
    return (wanted + step - 1) / step * step;
}

// A described colour where it stands out enough from the background; else the palette's own
// colour for the purpose where that does; else the described one made lighter or darker.
QColor Ink(const QColor& wanted, const QColor& fallback, const QColor& base, double ratio) {
    if (ContrastRatio(wanted, base) >= ratio) return wanted;
    if (fallback.isValid() && ContrastRatio(fallback, base) >= ratio) return fallback;
    return Readable(wanted, base, ratio);
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
        BuildLayers(layers_, devicePixelRatioF());
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
        QTimer::singleShot(0, this, [] { ShowMessage(tr("No valid pInputData").toStdString()); });
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

CGraphOneLiveView::Inks CGraphOneLiveView::TakeInks() const {
    const QPalette& colours = palette();
    Inks inks;
    inks.base = colours.color(QPalette::Base);
    inks.text = Readable(colours.color(QPalette::Text), inks.base, kTextContrast);
    inks.frame = Readable(kFrameColour, inks.base, kMarkContrast);
    inks.grid = GridLine(kGridColour, inks.base, inks.text);
    inks.normalText = Ink(normalText_, inks.text, inks.base, kTextContrast);
    inks.currentText = Ink(currentText_, QColor(), inks.base, kTextContrast);
    inks.normalBar = Ink(normalBar_, QColor(), inks.base, kMarkContrast);
    inks.currentBar = Ink(currentBar_, QColor(), inks.base, kMarkContrast);
    return inks;
}

void CGraphOneLiveView::BuildLayers(Layers& layers, qreal ratio) const {
    const Geometry& g = geom_;
    layers.geom = g;
    layers.ratio = ratio;
    layers.inks = TakeInks();
    const Inks& ink = layers.inks;
    const Grid screen{ratio};
    layers.background =
        QImage(std::max(1, screen.X(width_)), std::max(1, screen.Y(height_)), QImage::Format_RGB32);
    layers.background.fill(ink.base);
    {
        QPainter painter(&layers.background);
        if (!title_.isEmpty()) {
            painter.setTransform(screen.Text());
            painter.setFont(LineFont(titleHeight_));
            painter.setPen(ink.text);
            painter.drawText(QRect(0, topMargin_, width_, titleHeight_),
                             Qt::AlignCenter | Qt::TextSingleLine, title_);
            painter.resetTransform();
        }
        const int l = g.left, r = g.right, t = g.top, b = g.bottom;
        // Label frame: top, left and bottom; strip frame: top, right and bottom.
        painter.fillRect(screen.Row(l, t, kLabelWidth + 1), ink.frame);
        painter.fillRect(screen.Column(l, t, b - t + 1), ink.frame);
        painter.fillRect(screen.Row(l, b, kLabelWidth), ink.frame);
        painter.fillRect(screen.Row(l + kStripOffset, t, r - l - kStripOffset), ink.frame);
        painter.fillRect(screen.Column(r, t, b - t), ink.frame);
        painter.fillRect(screen.Row(l + kStripOffset + 1, b, r - l - kStripOffset), ink.frame);
    }
    layers.strip = QImage();
    layers.labels = QImage();
    if (!HasStrip()) {
        return;
    }
    // The ring's rows lie where the composite's do: from the plot's first line inside.
    layers.ringColumns = RingColumns(g.stripWidth, ratio);
    const Grid lanes{ratio, 0, g.top + 1};
    layers.strip = QImage(std::max(1, lanes.X(layers.ringColumns)),
                          std::max(1, lanes.Y(g.plotHeight - 1)), QImage::Format_RGB32);
    layers.strip.fill(ink.base);
    {
        QPainter painter(&layers.strip);
        for (const CLaneTimeline::Run& run : timeline_.Runs(g.stripWidth)) {
            DrawBar(painter, layers, run.row, run.age, run.length);
        }
    }
    const Grid labels{ratio, g.left - 1, g.top + 1};
    layers.labels = QImage(std::max(1, labels.X(kLabelWidth + 2)),
                           std::max(1, labels.Y(g.plotHeight - 1)), QImage::Format_RGB32);
    layers.labels.fill(ink.base);
    for (int row = 0; row < timeline_.RowCount(); ++row) {
        DrawLabel(layers, row);
    }
}

void CGraphOneLiveView::RepaintLanes() {
    if (layers_.strip.isNull()) {
        return;
    }
    const int columns = layers_.geom.stripWidth;
    const int64_t total = timeline_.Total();
    const int window = timeline_.Window(columns);
    // The second that just left the strip (or the ring) leaves a blank column behind.
    const int64_t leaving = total - 1 - std::min(columns, CLaneTimeline::kRingSize);
    if (leaving >= 0) {
        const Grid lanes{layers_.ratio, 0, layers_.geom.top + 1};
        const int at = StripColumn(layers_, leaving);
        QPainter painter(&layers_.strip);
        painter.fillRect(
            QRect(lanes.X(at), 0, lanes.X(at + 1) - lanes.X(at), layers_.strip.height()),
            layers_.inks.base);
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
    const Grid lanes{layers.ratio, 0, layers.geom.top + 1};
    QPainter painter(&layers.strip);
    painter.fillRect(QRect(0, lanes.Y(row * rowHeight), layers.strip.width(),
                           lanes.Y((row + 1) * rowHeight) - lanes.Y(row * rowHeight)),
                     layers.inks.base);
    for (const CLaneTimeline::Run& run : timeline_.Runs(layers.geom.stripWidth)) {
        if (run.row == row) {
            DrawBar(painter, layers, run.row, run.age, run.length);
        }
    }
}

int CGraphOneLiveView::StripColumn(const Layers& layers, int64_t second) const {
    return Mod(second, layers.ringColumns);
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
    const Inks& ink = layers.inks;
    const QColor colour = row == timeline_.CurrentRow() ? ink.currentBar : ink.normalBar;
    const Grid lanes{layers.ratio, 0, layers.geom.top + 1};
    const int rule = lanes.Rule();
    // The hatch in device pixels, as thick as a rule; anchored to the ring, whose device
    // width is a multiple of its period, so to the second itself.
    QBrush hatch(colour, Qt::DiagCrossPattern);
    if (rule > 1) {
        hatch.setTransform(QTransform::fromScale(rule, rule));
    }
    const int columns = layers.ringColumns;
    const int64_t first = timeline_.Total() - age - length;
    const int start = StripColumn(layers, first);
    // A run crossing the ring's end is drawn twice, each copy clipped by the image.
    for (const int x : {start, start - columns}) {
        if (x + length <= 0) continue;
        const QRect bar = lanes.Rect(x, top, length, height);
        painter.fillRect(bar, ink.base);
        if (length > 2 && height > 2) {
            painter.fillRect(bar.adjusted(rule, rule, -rule, -rule), hatch);
        }
        painter.fillRect(QRect(bar.left(), bar.top(), bar.width(), rule), colour);
        painter.fillRect(QRect(bar.left(), bar.bottom() + 1 - rule, bar.width(), rule), colour);
        painter.fillRect(QRect(bar.left(), bar.top(), rule, bar.height()), colour);
        painter.fillRect(QRect(bar.right() + 1 - rule, bar.top(), rule, bar.height()), colour);
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
    const Grid labels{layers.ratio, layers.geom.left - 1, layers.geom.top + 1};
    QPainter painter(&layers.labels);
    painter.fillRect(labels.Rect(0, y, kLabelWidth, rowHeight), layers.inks.base);
    painter.setTransform(labels.Text());
    painter.setClipRect(0, y, kLabelWidth, rowHeight);
    // The lane separator covers the first line of every lane but the first.
    const QRect band(0, y + 1, kLabelWidth, rowHeight - 1);
    painter.setFont(LineFont(std::min(band.height(), kMaxFontHeight)));
    painter.setPen(row == timeline_.CurrentRow() ? layers.inks.currentText
                                                 : layers.inks.normalText);
    painter.drawText(QRect(0, band.top(), 30, band.height()), Qt::AlignCenter | Qt::TextSingleLine,
                     QString::number(row + 1));
    const int iconSize = std::min(rowHeight * 9 / 10, kMaxFontHeight);
    if (images_ != nullptr && iconSize > 0) {
        const QIcon icon = images_->Icon(data.icon);
        if (!icon.isNull()) {
            // At the screen's pixels: the icon list keeps the finer pictures for that.
            painter.drawPixmap(QRect(31, y + 2, iconSize, iconSize),
                               icon.pixmap(QSize(iconSize, iconSize), layers.ratio));
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
    const Inks& ink = layers.inks;
    const Grid screen{layers.ratio};
    const int l = g.left, r = g.right, t = g.top, b = g.bottom;
    QPainter painter(&target);
    if (!layers.strip.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        // The newest second against the right frame; the ring's device columns as drawn.
        const Grid ring{layers.ratio};
        const int columns = g.stripWidth;
        const int lines = layers.strip.height();
        const int first = StripColumn(layers, timeline_.Total() - columns);
        const int span = ring.X(first + columns) - ring.X(first);
        const QRect slot(QPoint(screen.X(l + kStripOffset), screen.Y(t + 1)),
                         QPoint(screen.X(r) - 1, screen.Y(t + 1) + lines - 1));
        painter.setClipRect(slot);
        const int left = slot.right() + 1 - span;
        const int ringWidth = ring.X(layers.ringColumns);
        const int from = ring.X(first);
        const int head = std::min(span, ringWidth - from);
        painter.drawImage(QPoint(left, slot.top()), layers.strip, QRect(from, 0, head, lines));
        if (head < span) {
            painter.drawImage(QPoint(left + head, slot.top()), layers.strip,
                              QRect(0, 0, span - head, lines));
        }
        const Grid labels{layers.ratio, l - 1, t + 1};
        const int labelLeft = labels.X(2);
        painter.setClipping(false);
        painter.drawImage(QPoint(screen.X(l + 1), screen.Y(t + 1)), layers.labels,
                          QRect(labelLeft, 0, labels.X(2 + kLabelWidth) - labelLeft, lines));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    for (int i = 1; i <= timeline_.RowCount(); ++i) {
        const int y = t + i * g.rowHeight + 1;
        if (y >= b) break;
        painter.fillRect(screen.Row(l + 1, y, kLabelWidth - 1), ink.grid);
        painter.fillRect(screen.Row(l + kStripOffset + 1, y, r - l - kStripOffset - 1), ink.grid);
    }
    painter.fillRect(screen.Column(l + kLabelWidth, t, b - t + 1), ink.frame);
    painter.fillRect(screen.Column(l + kStripOffset, t, b - t + 1), ink.frame);
    DrawAxis(painter, layers);
    const int cursorX = r - cursorOffset_;
    if (cursorShown_ && cursorX > l + kStripOffset) {
        painter.fillRect(screen.Column(cursorX, t + 1, b - t - 1), ink.text);
    }
}

void CGraphOneLiveView::DrawAxis(QPainter& painter, const Layers& layers) const {
    const Geometry& g = layers.geom;
    const Grid screen{layers.ratio};
    const int rowHeight = g.rowHeight;
    const int plotWidth = g.right - g.left;
    const QFont font = LineFont(std::min(rowHeight - rowHeight / 4, kMaxFontHeight));
    const int labelWidth = QFontMetrics(font).horizontalAdvance(QStringLiteral("00:00"));
    const int half = labelWidth / 2;
    const QRect upper(g.left, g.top - rowHeight, plotWidth + half, rowHeight);
    const QRect lower(g.left, g.bottom + 1, plotWidth + half, rowHeight);
    const QRect upperPixels = screen.Rect(upper.x(), upper.y(), upper.width(), upper.height());
    const QRect lowerPixels = screen.Rect(lower.x(), lower.y(), lower.width(), lower.height());
    painter.fillRect(upperPixels, layers.inks.base);
    painter.fillRect(lowerPixels, layers.inks.base);
    std::tm local{};
    if (!ToLocalTime(axisTime_, local)) {
        return;
    }
    painter.save();
    painter.setClipRegion(QRegion(upperPixels) + QRegion(lowerPixels));
    for (const AxisMark& mark : TimeAxisMarks(local.tm_hour, local.tm_min, local.tm_sec, plotWidth,
                                              g.stripWidth, labelWidth)) {
        const int x = g.left + mark.x;
        const int length = mark.isLong ? rowHeight / 4 : rowHeight / 8;
        painter.fillRect(screen.Column(x, g.top - length, length), layers.inks.frame);
        painter.fillRect(screen.Column(x, g.bottom + 1, length), layers.inks.frame);
    }
    painter.setTransform(screen.Text());
    painter.setFont(font);
    painter.setPen(layers.inks.text);
    for (const AxisMark& mark : TimeAxisMarks(local.tm_hour, local.tm_min, local.tm_sec, plotWidth,
                                              g.stripWidth, labelWidth)) {
        const int x = g.left + mark.x;
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

QImage CGraphOneLiveView::FullRepaintPicture(qreal ratio) const {
    Layers fresh;
    BuildLayers(fresh, ratio > 0 ? ratio : layers_.ratio);
    QImage picture = fresh.background.copy();
    Compose(picture, fresh);
    return picture;
}

void CGraphOneLiveView::Rebuild() {
    BuildLayers(layers_, devicePixelRatioF());
    composite_ = layers_.background.copy();
    Compose(composite_, layers_);
    update();
}

void CGraphOneLiveView::paintEvent(QPaintEvent* /*event*/) {
    if (firstPaintPending_) {
        firstPaintPending_ = false;
        Layout();
        timer_.start();
    }
    // Moved to a screen of another ratio: drawn again at its pixels.
    if (!composite_.isNull() && devicePixelRatioF() != layers_.ratio) {
        Rebuild();
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!composite_.isNull()) {
        // Pixel for pixel: the composite has the screen's own pixels.
        const qreal ratio = layers_.ratio;
        painter.drawImage(QRectF(0, 0, composite_.width() / ratio, composite_.height() / ratio),
                          composite_);
    }
}

void CGraphOneLiveView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Re-laid at the next tick; until then the old picture stays.
    Layout();
    fullRepaint_ = true;
}

void CGraphOneLiveView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A new palette shows at once, not at the next tick.
    if (event->type() == QEvent::PaletteChange && !composite_.isNull()) {
        Rebuild();
    }
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
