// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/IListControl.h"

// A report list that keeps the rows it would show.
class FakeListControl : public IListControl {
  public:
    struct Row {
        std::array<std::string, 3> cells;
        int image = -1;
        const UsageRecord* data = nullptr;
    };

    void SetImageList(IImageList* list) override { images = list; }
    void InsertRow(int index, const std::string& text, int image,
                   const UsageRecord* data) override {
        ASSERT_GE(index, 0);
        ASSERT_LE(index, static_cast<int>(rows.size()));
        Row row;
        row.cells[0] = text;
        row.image = image;
        row.data = data;
        rows.insert(rows.begin() + index, row);
    }
    void SetCellText(int row, int column, const std::string& text) override {
        ASSERT_GE(row, 0);
        ASSERT_LT(row, static_cast<int>(rows.size()));
        ASSERT_GE(column, 0);
        ASSERT_LT(column, 3);
        rows[row].cells[column] = text;
    }
    void SetRowImage(int row, int image) override {
        ASSERT_GE(row, 0);
        ASSERT_LT(row, static_cast<int>(rows.size()));
        rows[row].image = image;
    }
    void DeleteRow(int row) override {
        ASSERT_GE(row, 0);
        ASSERT_LT(row, static_cast<int>(rows.size()));
        rows.erase(rows.begin() + row);
        deletedRows.push_back(row);
    }
    void DeleteAllRows() override {
        rows.clear();
        ++deleteAllCount;
    }

    std::vector<Row> rows;
    std::vector<int> deletedRows;
    int deleteAllCount = 0;
    IImageList* images = nullptr;
};
