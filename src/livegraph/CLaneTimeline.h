// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The lane timeline without any drawing: the rows in order of first appearance, the ring of
// the last 1280 one-second samples (each a row index, -1 for none) and the flags that tell
// the view how much to repaint.
class CLaneTimeline {
  public:
    static constexpr int kMaxRows = 100;
    static constexpr int kRingSize = 1280;

    struct Row {
        std::string label;
        std::string key;
        int icon = -1;
    };

    // Consecutive equal samples: `age` samples are newer than the run's newest one.
    struct Run {
        int row;
        int age;
        int length;
    };

    // Appends one second. Returns its row: an existing row found by exact key, else a new
    // one (evicting row 0 when all 100 are taken).
    int Sample(const std::string& label, const std::string& key, int icon);
    // Appends a second with nobody in front: no bar.
    void SampleNone();

    const std::vector<Row>& Rows() const { return rows_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int Stored() const { return stored_; }
    int Newest() const { return newest_; }
    // Every sample ever taken, also those overwritten since.
    int64_t Total() const { return total_; }
    // The sample `age` seconds old (0 = newest); -1 outside the stored ones.
    int At(int age) const;
    int CurrentRow() const { return stored_ > 0 ? ring_[newest_] : -1; }

    bool RowAdded() const { return rowAdded_; }
    bool Evicted() const { return evicted_; }
    bool EqualsPrevious() const { return equalsPrevious_; }
    void ClearRowAdded() { rowAdded_ = false; }
    void ClearEvicted() { evicted_ = false; }

    // Samples a strip of `columns` pixels shows: min(columns, 1280, stored).
    int Window(int columns) const;
    // The runs within Window(columns), newest first; runs of -1 included.
    std::vector<Run> Runs(int columns) const;

    // min((plotHeight - 2) / rows, maxRowHeight), at least one pixel.
    static int RowHeight(int plotHeight, int rows, int maxRowHeight);
    static int BarHeight(int rowHeight) { return rowHeight * 10 / 18; }
    // Vertical extent of row's bar, bottom exclusive, from the lane top 0 of row 0.
    static int BarTop(int row, int rowHeight);
    static int BarBottom(int row, int rowHeight);

  private:
    void Push(int row);

    std::vector<Row> rows_;
    std::array<int, kRingSize> ring_{};
    int stored_ = 0;
    int newest_ = -1;
    int64_t total_ = 0;
    bool rowAdded_ = false;
    bool evicted_ = false;
    bool equalsPrevious_ = false;
};
