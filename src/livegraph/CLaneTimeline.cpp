// SPDX-License-Identifier: GPL-3.0-or-later
#include "livegraph/CLaneTimeline.h"

#include <algorithm>

int CLaneTimeline::Sample(const std::string& label, const std::string& key, int icon) {
    int row = -1;
    for (int i = 0; i < RowCount(); ++i) {
        if (rows_[i].key == key) {
            row = i;
            break;
        }
    }
    if (row < 0) {
        if (RowCount() == kMaxRows) {
            // The oldest row gives way; its seconds no longer belong to any row.
            rows_.erase(rows_.begin());
            for (int i = 0; i < stored_; ++i) {
                if (ring_[i] >= 0) --ring_[i];
            }
            evicted_ = true;
        }
        rows_.push_back(Row{label, key, icon});
        rowAdded_ = true;
        row = RowCount() - 1;
    }
    Push(row);
    return row;
}

void CLaneTimeline::SampleNone() {
    Push(-1);
}

void CLaneTimeline::Push(int row) {
    newest_ = (newest_ + 1) % kRingSize;
    ring_[newest_] = row;
    stored_ = std::min(stored_ + 1, kRingSize);
    ++total_;
    equalsPrevious_ = stored_ >= 2 && At(1) == row;
}

int CLaneTimeline::At(int age) const {
    if (age < 0 || age >= stored_) {
        return -1;
    }
    return ring_[(newest_ - age + kRingSize) % kRingSize];
}

int CLaneTimeline::Window(int columns) const {
    return std::max(0, std::min({columns, kRingSize, stored_}));
}

std::vector<CLaneTimeline::Run> CLaneTimeline::Runs(int columns) const {
    std::vector<Run> runs;
    const int window = Window(columns);
    int age = 0;
    while (age < window) {
        const int row = At(age);
        if (row < -1) break;
        int end = age + 1;
        while (end < window && At(end) == row) ++end;
        runs.push_back(Run{row, age, end - age});
        age = end;
    }
    return runs;
}

int CLaneTimeline::RowHeight(int plotHeight, int rows, int maxRowHeight) {
    const int fit = rows > 0 ? (plotHeight - 2) / rows : maxRowHeight;
    // A window too small for the rows still draws one-pixel lanes rather than none.
    return std::max(1, std::min(fit, maxRowHeight));
}

int CLaneTimeline::BarTop(int row, int rowHeight) {
    return ((2 * row + 1) * rowHeight - 2 * (BarHeight(rowHeight) / 2)) / 2;
}

int CLaneTimeline::BarBottom(int row, int rowHeight) {
    return ((2 * row + 1) * rowHeight + 2 * (BarHeight(rowHeight) / 2)) / 2;
}
