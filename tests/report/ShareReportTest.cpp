// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QLabel>
#include <QRadioButton>

#include "ReportTestSupport.h"
#include "core/CShareSettings.h"
#include "core/ISettingsStore.h"
#include "db/CSnapshotWriter.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"

namespace {

struct NullStore : ISettingsStore {
    std::optional<long long> ReadInt(const std::string&) const override { return {}; }
    void WriteInt(const std::string&, long long) override {}
};

class ShareReport : public ReportTest {
  protected:
    void TearDown() override {
        NullStore store;
        TheShareSettings().Apply("", "", store);
        ReportTest::TearDown();
    }
};

}  // namespace

TEST_F(ShareReport, AllComputersAddsTheOthersAndNamesTheFileItLeftOut) {
    AddItem(1, "editor", 0);
    AddTime(1, 0, 100);
    // The other computer: its own database, and the snapshot it put into the share folder.
    const std::string other = path_;
    path_ = (folder_ / "other.mdb").string();
    CUsageDb(path_).LoadDb(0, 1);
    AddItem(7, "editor", 0);
    AddTime(7, 0, 50);
    const std::filesystem::path share = folder_ / "share";
    std::filesystem::create_directories(share);
    const auto snapshot = CSnapshotWriter::Write(path_, share.string(), "laptop-aaaaaaaa.hgshare",
                                                 "aaaaaaaa", "laptop");
    ASSERT_EQ(snapshot.status, CSnapshotWriter::Status::Written) << snapshot.error;
    const std::filesystem::path cut = share / "old-bbbbbbbb.hgshare";
    std::filesystem::copy_file(snapshot.file, cut);
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
    path_ = other;
    NullStore store;
    TheShareSettings().Apply(share.string(), "desk", store);

    CReportFrame frame(path_, {}, nullptr);
    frame.DialogBar().DatePicker().setDateTime(QDateTime::fromSecsSinceEpoch(anchor_));
    frame.DialogBar().AllComputersRadio().setChecked(true);
    frame.Refresh();
    ASSERT_EQ(frame.DisplayedRows().size(), 1u);
    EXPECT_EQ(frame.DisplayedRows()[0][1], "150");
    EXPECT_TRUE(frame.LeftOutLine().isVisibleTo(&frame));
    EXPECT_TRUE(frame.LeftOutLine().text().contains("old-bbbbbbbb.hgshare"));
    EXPECT_FALSE(frame.LeftOutLine().text().contains("laptop"));

    frame.DialogBar().ThisComputerRadio().setChecked(true);
    frame.Refresh();
    EXPECT_EQ(frame.DisplayedRows()[0][1], "100");
    EXPECT_FALSE(frame.LeftOutLine().isVisibleTo(&frame));
    EXPECT_TRUE(messages_.empty());
}
