// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the control kit's pictures and hover sound into a res/ folder:
//   hourglint_make_res <res folder>
// The output is committed; run this only to change a picture.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QPolygonF>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

using Drawing = std::function<void(QPainter&)>;

// Every picture is drawn on a 32 x 32 canvas and scaled to its size.
QImage Render(const Drawing& draw, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 32.0, size.height() / 32.0);
    draw(p);
    return image;
}

QPen Outline(QColor colour, double width = 1.5) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void LiveGraph(QPainter& p) {
    p.setPen(Outline(QColor(40, 40, 48)));
    p.setBrush(QColor(24, 36, 30));
    p.drawRoundedRect(QRectF(2, 4, 28, 22), 3, 3);
    p.setPen(QPen(QColor(60, 90, 70), 0.8));
    for (int x = 9; x < 30; x += 7) {
        p.drawLine(QPointF(x, 6), QPointF(x, 24));
    }
    p.setPen(Outline(QColor(90, 240, 120), 2.2));
    p.drawPolyline(QPolygonF({{4, 18}, {9, 18}, {12, 9}, {16, 23}, {19, 13}, {22, 16}, {28, 16}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(13, 26, 6, 2.5));
    p.drawRoundedRect(QRectF(8, 28, 16, 2.5), 1, 1);
}

void Report(QPainter& p) {
    p.setPen(Outline(QColor(90, 90, 100)));
    p.setBrush(QColor(250, 250, 246));
    p.drawRect(QRectF(4, 2, 24, 28));
    p.setPen(Outline(QColor(60, 60, 70), 1.2));
    p.drawLine(QPointF(7, 26), QPointF(25, 26));
    p.setPen(Outline(QColor(40, 40, 40), 0.8));
    const QColor bars[] = {QColor(40, 90, 200), QColor(40, 160, 70), QColor(220, 60, 40),
                           QColor(240, 170, 30)};
    const double heights[] = {12, 18, 8, 15};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(8 + i * 4.3, 26 - heights[i], 3.3, heights[i]));
    }
}

// A calendar page with a week of stacked bars on it.
void History(QPainter& p) {
    p.setPen(Outline(QColor(90, 90, 100)));
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(QRectF(2.5, 4, 27, 25), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 50));
    p.drawRect(QRectF(3.2, 4.7, 25.6, 5.5));
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(8, 1.5, 2.6, 6), 1, 1);
    p.drawRoundedRect(QRectF(21.4, 1.5, 2.6, 6), 1, 1);
    const double lower[] = {5, 9, 4, 11, 7};
    const double upper[] = {4, 5, 6, 3, 6};
    for (int i = 0; i < 5; ++i) {
        const double x = 6 + i * 4.4;
        p.setBrush(QColor(40, 90, 200));
        p.drawRect(QRectF(x, 26 - lower[i], 3.2, lower[i]));
        p.setBrush(QColor(240, 170, 30));
        p.drawRect(QRectF(x, 26 - lower[i] - upper[i], 3.2, upper[i]));
    }
}

void Gear(QPainter& p, QColor body) {
    QPainterPath gear;
    const QPointF c(16, 16);
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * M_PI / teeth;
        const double a1 = (i + 1) * M_PI / teeth;
        const double r = (i % 2 == 0) ? 14.0 : 10.5;
        const QPointF p0 = c + QPointF(std::cos(a0 + 0.08) * r, std::sin(a0 + 0.08) * r);
        const QPointF p1 = c + QPointF(std::cos(a1 - 0.08) * r, std::sin(a1 - 0.08) * r);
        if (i == 0) {
            gear.moveTo(p0);
        } else {
            gear.lineTo(p0);
        }
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 4.5, 4.5);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(Outline(body.darker(180), 1.2));
    p.setBrush(body);
    p.drawPath(gear);
}

void Config(QPainter& p) {
    Gear(p, QColor(120, 140, 170));
}

void About(QPainter& p) {
    p.setPen(Outline(QColor(20, 60, 140)));
    p.setBrush(QColor(50, 110, 210));
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.4, 2.4);
    p.drawRoundedRect(QRectF(13.8, 13.5, 4.4, 11.5), 1.2, 1.2);
}

void Folder(QPainter& p, QColor colour) {
    p.setPen(Outline(colour.darker(170), 1.2));
    p.setBrush(colour.darker(115));
    QPainterPath back;
    back.moveTo(2, 8);
    back.lineTo(2, 5);
    back.lineTo(11, 5);
    back.lineTo(13, 8);
    back.lineTo(30, 8);
    back.lineTo(30, 27);
    back.lineTo(2, 27);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({{2, 27}, {5, 12}, {31, 12}, {30, 27}}));
}

void SetGroup(QPainter& p) {
    Folder(p, QColor(245, 200, 70));
    p.setPen(Outline(QColor(40, 40, 40), 0.8));
    const QColor programs[] = {QColor(40, 90, 200), QColor(40, 160, 70), QColor(220, 60, 40)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(programs[i]);
        p.drawRect(QRectF(8 + i * 6.5, 16, 5, 5));
    }
    p.setPen(Outline(QColor(30, 30, 30), 2.0));
    p.drawLine(QPointF(21, 3), QPointF(27, 3));
    p.drawLine(QPointF(24, 0.5), QPointF(24, 5.5));
}

void Group(QPainter& p) {
    Folder(p, QColor(245, 200, 70));
}

void SaveDisk(QPainter& p) {
    p.setPen(Outline(QColor(20, 40, 90)));
    p.setBrush(QColor(50, 90, 180));
    QPainterPath disk;
    disk.moveTo(3, 3);
    disk.lineTo(26, 3);
    disk.lineTo(29, 6);
    disk.lineTo(29, 29);
    disk.lineTo(3, 29);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(9, 3.8, 14, 9));
    p.setBrush(QColor(50, 90, 180));
    p.drawRect(QRectF(18, 5, 3, 6.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(7, 17, 18, 11));
    p.setPen(QPen(QColor(150, 150, 170), 1));
    p.drawLine(QPointF(9, 21), QPointF(23, 21));
    p.drawLine(QPointF(9, 24.5), QPointF(23, 24.5));
}

void ShowHide(QPainter& p) {
    p.setPen(Outline(QColor(30, 50, 110), 1.6));
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 100, 200));
    p.drawRect(QRectF(3.5, 5.5, 25, 6));
}

void Exit(QPainter& p) {
    p.setPen(Outline(QColor(120, 20, 20)));
    p.setBrush(QColor(210, 40, 40));
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    p.setPen(Outline(Qt::white, 3.5));
    p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
}

// A toolbar strip: pictures of 16 x 15 (times scale) on RGB(192, 192, 192), which the menu
// treats as transparent; edges are made hard so no blended pixel survives the colour key.
QImage ToolbarStrip(const std::vector<Drawing>& pictures, int scale = 1) {
    const QColor key(192, 192, 192);
    const int w = 16 * scale, h = 15 * scale;
    QImage strip(w * static_cast<int>(pictures.size()), h, QImage::Format_RGB32);
    strip.fill(key);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QImage cell = Render(pictures[i], QSize(w, h));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                QColor c = cell.pixelColor(x, y);
                if (c.alpha() >= 110) {
                    c.setAlpha(255);
                    if (c.rgb() == key.rgb()) {
                        c = c.lighter(101);
                    }
                    strip.setPixelColor(static_cast<int>(i) * w + x, y, c);
                }
            }
        }
    }
    return strip;
}

// Seven-segment digits: segments a..g, lit in green, unlit ones faintly visible like an LCD.
const QColor kPanel(18, 26, 22);
const QColor kLit(110, 255, 140);
const QColor kUnlit(34, 52, 42);

// A segment's rectangle; with cut > 0 its corners cut by that many pixels, as an LCD's
// segments are where pixels are fine enough to show it.
void FillSegment(QPainter& p, const QRect& r, QColor colour, int cut) {
    if (cut <= 0) {
        p.fillRect(r, colour);
        return;
    }
    const int l = r.left(), t = r.top(), rr = r.right() + 1, b = r.bottom() + 1;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygon({{l + cut, t},
                            {rr - cut, t},
                            {rr, t + cut},
                            {rr, b - cut},
                            {rr - cut, b},
                            {l + cut, b},
                            {l, b - cut},
                            {l, t + cut}}));
}

void DrawDigit(QImage& image, int left, int width, int height, int digit, int cut) {
    static const char* kSegments[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                        "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int t = std::max(2, width / 6);  // segment thickness
    const int x0 = left + width / 6;
    const int x1 = left + width - width / 6 - 1;
    const int y0 = height / 12;
    const int y2 = height - height / 12 - 1;
    const int y1 = (y0 + y2) / 2;
    struct Segment {
        char name;
        QRect rect;
    };
    const Segment segments[] = {
        {'a', QRect(QPoint(x0 + 1, y0), QPoint(x1 - 1, y0 + t - 1))},
        {'b', QRect(QPoint(x1 - t + 1, y0 + 1), QPoint(x1, y1 - 1))},
        {'c', QRect(QPoint(x1 - t + 1, y1 + 1), QPoint(x1, y2 - 1))},
        {'d', QRect(QPoint(x0 + 1, y2 - t + 1), QPoint(x1 - 1, y2))},
        {'e', QRect(QPoint(x0, y1 + 1), QPoint(x0 + t - 1, y2 - 1))},
        {'f', QRect(QPoint(x0, y0 + 1), QPoint(x0 + t - 1, y1 - 1))},
        {'g', QRect(QPoint(x0 + 1, y1 - t / 2), QPoint(x1 - 1, y1 - t / 2 + t - 1))},
    };
    const std::string lit = kSegments[digit];
    for (const Segment& s : segments) {
        FillSegment(p, s.rect, lit.find(s.name) != std::string::npos ? kLit : kUnlit, cut);
    }
}

// Cells of width x height; cut corners from twice the 1x size on.
QImage DigitStrip(int width, int height, int cut = 0) {
    QImage strip(width * 10, height, QImage::Format_RGB32);
    strip.fill(kPanel);
    for (int d = 0; d < 10; ++d) {
        DrawDigit(strip, d * width, width, height, d, cut);
    }
    return strip;
}

// The display's face, 150 x 72 (the clock's 100 x 44 dialog units) times scale: a dark panel
// with the date's dashes and the clock's colon; the digits are copied in at run time. The
// frame's two rules stay one device pixel each at any scale.
QImage ClockBackground(int scale = 1) {
    const int s = scale;
    QImage face(150 * s, 72 * s, QImage::Format_RGB32);
    face.fill(kPanel);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing, false);
    const auto frame = [&p](QRect r, QColor colour) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
    };
    frame(QRect(0, 0, 150 * s, 72 * s), QColor(70, 80, 74));
    frame(QRect(1, 1, 150 * s - 2, 72 * s - 2), QColor(8, 12, 10));
    const auto lit = [&p, s](int x, int y, int w, int h) {
        p.fillRect(QRect(x * s, y * s, w * s, h * s), kLit);
    };
    lit(33, 12, 6, 2);
    lit(69, 12, 6, 2);
    lit(58, 41, 4, 4);
    lit(58, 56, 4, 4);
    lit(116, 58, 3, 3);
    // The rule under the date: a device pixel high, where the 1x one falls.
    p.fillRect(QRect(4 * s, 27 * s, 142 * s, 1), QColor(40, 60, 50));
    return face;
}

// Sort arrows: a black triangle on RGB(236, 233, 216), 9 x 5.
QImage SortArrow(bool up) {
    QImage arrow(9, 5, QImage::Format_RGB32);
    arrow.fill(QColor(236, 233, 216));
    for (int row = 0; row < 5; ++row) {
        const int half = up ? row : 4 - row;
        for (int x = 4 - half; x <= 4 + half; ++x) {
            arrow.setPixelColor(x, row, Qt::black);
        }
    }
    return arrow;
}

// A soft click: a short, quickly decaying 1.8 kHz tone with a little noise, 22.05 kHz
// mono 16-bit, about 30 ms.
bool WriteClick(const QString& path) {
    const int rate = 22050;
    const int count = rate * 30 / 1000;
    std::vector<int16_t> samples(count);
    std::mt19937 noise(148);
    std::uniform_real_distribution<double> jitter(-1.0, 1.0);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = std::exp(-t * 220.0) * std::min(1.0, i / 20.0);
        const double value = 0.6 * std::sin(2 * M_PI * 1800 * t) + 0.25 * jitter(noise);
        samples[i] = static_cast<int16_t>(value * envelope * 0.3 * 32767);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    auto u32 = [&file](uint32_t v) {
        const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        file.write(b, 4);
    };
    auto u16 = [&file](uint16_t v) {
        const char b[2] = {char(v), char(v >> 8)};
        file.write(b, 2);
    };
    const uint32_t bytes = static_cast<uint32_t>(count * 2);
    file.write("RIFF", 4);
    u32(36 + bytes);
    file.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    file.write("data", 4);
    u32(bytes);
    for (const int16_t s : samples) {
        u16(static_cast<uint16_t>(s));
    }
    return true;
}

bool WritePng(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <res folder>\n", argv[0]);
        return 2;
    }
    const QDir res(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"icons", "bitmaps", "toolbars", "sounds"}) {
        res.mkpath(QString::fromLatin1(sub));
    }
    const struct {
        int id;
        Drawing draw;
    } icons[] = {{138, Group},    {149, Config},   {152, Report},    {153, About},
                 {154, SetGroup}, {155, SaveDisk}, {156, LiveGraph}, {157, History}};
    bool ok = true;
    // Each picture also at twice its size as "@2x", which Qt's icons pick on a fine screen.
    for (const auto& icon : icons) {
        for (const int scale : {1, 2}) {
            const QString suffix = scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
            ok &= WritePng(Render(icon.draw, QSize(32, 32) * scale),
                           res.filePath(QStringLiteral("icons/%1").arg(icon.id) + suffix));
            ok &= WritePng(Render(icon.draw, QSize(16, 16) * scale),
                           res.filePath(QStringLiteral("icons/%1-16").arg(icon.id) + suffix));
        }
    }
    // Toolbar 128, in command order 32772, 32774, 32775, 32773, 57664, 32783.
    const std::vector<Drawing> tray = {ShowHide, Report, History, Config, About, Exit};
    ok &= WritePng(ToolbarStrip(tray), res.filePath(QStringLiteral("toolbars/128.png")));
    ok &= WritePng(ToolbarStrip(tray, 2), res.filePath(QStringLiteral("toolbars/128@2x.png")));
    ok &= WritePng(DigitStrip(24, 34), res.filePath(QStringLiteral("bitmaps/144.png")));
    ok &= WritePng(ClockBackground(), res.filePath(QStringLiteral("bitmaps/145.png")));
    ok &= WritePng(DigitStrip(12, 17), res.filePath(QStringLiteral("bitmaps/146.png")));
    ok &= WritePng(DigitStrip(48, 68, 2), res.filePath(QStringLiteral("bitmaps/144@2x.png")));
    ok &= WritePng(ClockBackground(2), res.filePath(QStringLiteral("bitmaps/145@2x.png")));
    ok &= WritePng(DigitStrip(24, 34, 1), res.filePath(QStringLiteral("bitmaps/146@2x.png")));
    ok &= WritePng(SortArrow(true), res.filePath(QStringLiteral("bitmaps/135.png")));
    ok &= WritePng(SortArrow(false), res.filePath(QStringLiteral("bitmaps/141.png")));
    ok &= WriteClick(res.filePath(QStringLiteral("sounds/148.wav")));
    return ok ? 0 : 1;
}
