// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "controls/IAccessibleTable.h"
#include "livegraph/CLaneTimeline.h"

class CGraphInputData;
class IClock;
class IGraphImageList;
class QPainter;

// A scrolling lane timeline: once a second it asks its data source for the current item and
// adds one pixel column; each distinct item has its own lane of hatched bars, with a label
// column at the left, time axes above and below and an optional title.
//
// All drawing goes to off-screen images at the screen's own pixels (the widget's size times its
// device pixel ratio): the unchanging background, a strip image used as a ring (a second's
// column stays where it was drawn, so an ordinary tick repaints only the lanes that changed
// instead of scrolling the whole strip), the label column and the composite the window shows.
// Every logical pixel edge falls on a whole device pixel and one-pixel rules stay whole device
// pixels, so nothing is smeared at 125 % or 150 %. The hatch is anchored to the second it
// belongs to, so a bar drawn at any tick looks exactly as a full repaint would draw it.
// Colours come from the palette (Base behind, Text for the title, axis and cursor); the
// configured lane colours are kept where they give 4.5:1 for text and 3:1 for bars and lines
// against Base, and made lighter or darker where they do not.
//
// To assistive technology it is a table with a row per lane (number, program, seconds in the
// picture, when last in front), described by who is in front; the description changes only
// when that does, never once a second.
class CGraphOneLiveView : public QWidget, public IAccessibleTable {
    Q_OBJECT
  public:
    static constexpr int kLabelWidth = 170;
    static constexpr int kStripOffset = 174;  // label column and gap

    struct Geometry {
        int left = 0, right = 0, top = 0, bottom = 0;
        int stripWidth = 0, plotHeight = 0, rowHeight = 0, barHeight = 0;
    };

    explicit CGraphOneLiveView(QWidget* parent = nullptr);
    ~CGraphOneLiveView() override;

    void Configure(QColor normalText, QColor normalBar, QColor currentText, QColor currentBar,
                   int leftMargin, int rightMargin, int topMargin, int bottomMargin,
                   int maxRowHeight, int titleHeight, const QString& title, CGraphInputData* input,
                   const IGraphImageList* images);
    // The axes read the local time from here; the system clock when none is set.
    void SetClock(IClock* clock) { clock_ = clock; }

    const CLaneTimeline& Timeline() const { return timeline_; }
    const Geometry& Geom() const { return geom_; }
    bool CursorShown() const { return cursorShown_; }
    // Seconds from the strip's right edge to the cursor's line.
    int CursorOffset() const { return cursorOffset_; }
    const QTimer& Timer() const { return timer_; }
    // What the window shows, in device pixels.
    const QImage& Picture() const { return composite_; }
    // The current state drawn from scratch, leaving the view's own images alone; at another
    // device pixel ratio when one is given.
    QImage FullRepaintPicture(qreal ratio = 0) const;

    int AccessibleRowCount() const override { return timeline_.RowCount(); }
    int AccessibleColumnCount() const override { return 4; }
    QString AccessibleHeading(int column) const override;
    QString AccessibleCell(int row, int column) const override;
    QRect AccessibleRowRect(int row) const override;

  public slots:
    void OnTick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Left and Right move the cursor a second (with Shift a minute), showing it at the newest
    // second first; Escape hides it and, with no cursor shown, goes to the window.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The colours drawn, from the palette and the configuration.
    struct Inks {
        QColor base, text, frame, grid;
        QColor normalText, normalBar, currentText, currentBar;
    };
    struct Layers {
        QImage background;    // title and frames
        QImage strip;         // the bars; second n at ring column n mod ringColumns
        QImage labels;        // x = 0 lies two pixels left of the label column's inner edge
        int ringColumns = 0;  // at least the strip's width, so the hatch meets itself round
        qreal ratio = 1;
        Inks inks;
        Geometry geom;  // the geometry they were built for
    };

    void Layout();
    void SampleInput();
    void Describe();
    Inks TakeInks() const;
    void BuildLayers(Layers& layers, qreal ratio) const;
    // Draws everything again now: a new palette or screen.
    void Rebuild();
    void RepaintLanes();
    void DrawLane(Layers& layers, int row) const;
    void DrawBar(QPainter& painter, const Layers& layers, int row, int age, int length) const;
    void DrawLabel(Layers& layers, int row) const;
    void Compose(QImage& target, const Layers& layers) const;
    void DrawAxis(QPainter& painter, const Layers& layers) const;
    int StripColumn(const Layers& layers, int64_t second) const;
    bool HasStrip() const;

    // Configuration
    QColor normalText_{Qt::black};
    QColor normalBar_{Qt::blue};
    QColor currentText_{Qt::red};
    QColor currentBar_{Qt::red};
    int leftMargin_ = 20, rightMargin_ = 20, topMargin_ = 20, bottomMargin_ = 20;
    int maxRowHeight_ = 18;
    int titleHeight_ = 0;
    QString title_;
    CGraphInputData* input_ = nullptr;
    const IGraphImageList* images_ = nullptr;
    IClock* clock_ = nullptr;

    CLaneTimeline timeline_;
    Geometry geom_;
    int width_ = 0, height_ = 0;
    Layers layers_;
    QImage composite_;
    int64_t axisTime_ = 0;
    QTimer timer_;
    bool firstPaintPending_ = true;
    bool fullRepaint_ = true;
    bool cursorShown_ = false;
    int cursorOffset_ = 0;
    bool inputWarned_ = false;
};
