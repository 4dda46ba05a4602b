// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "ShellTestSupport.h"
#include "core/CAppSettings.h"
#include "db/CUsageDb.h"
#include "shell/CMainFrame.h"
#include "shell/CReportListView.h"

// A main frame over a fake sampler and clock and a real database in a temporary folder.
class MainFrameFixture : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        dbPath_ = dir_.filePath(QStringLiteral("HG.mdb")).toStdString();
    }

    void TearDown() override {
        frame_.reset();
        ShellTest::TearDown();
    }

    CMainFrame& MakeFrame() {
        settings_.Load(store_);
        db_ = std::make_unique<CUsageDb>(dbPath_, settings_);
        frame_ = std::make_unique<CMainFrame>(settings_, store_, clock_, sampler_, *db_);
        return *frame_;
    }

    // One timer tick one second after the previous one.
    void Tick() {
        clock_.Advance();
        frame_->OnTimer();
    }

    QString Cell(CReportListView& view, int row, int column) {
        return view.Model().index(row, column).data().toString();
    }

    QTemporaryDir dir_;
    std::string dbPath_;
    MemorySettingsStore store_;
    CAppSettings settings_;
    FakeClock clock_{NoonTime()};
    FakeSampler sampler_;
    std::unique_ptr<CUsageDb> db_;
    std::unique_ptr<CMainFrame> frame_;
};
