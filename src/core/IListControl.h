// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct UsageRecord;
class IImageList;

// The operations the tracker performs on a report-style list (live list, alarm list).
class IListControl {
  public:
    virtual ~IListControl() = default;
    virtual void SetImageList(IImageList* images) = 0;
    // Inserts a row at index with the text of column 0, an image index (-1: none) and item data.
    virtual void InsertRow(int index, const std::string& text, int image,
                           const UsageRecord* data) = 0;
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
    // The image of a row (-1: none).
    virtual void SetRowImage(int row, int image) = 0;
    virtual void DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;
};
