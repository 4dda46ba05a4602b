#include "core/CUsageTracker.h"

#include <ctime>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

#include "core/CAppSettings.h"
#include "core/Duration.h"
#include "core/IClock.h"
#include "core/IClockLabel.h"
#include "core/IForegroundSampler.h"
#include "core/IImageList.h"
#include "core/IListControl.h"
#include "core/IUsageStore.h"
#include "core/LocalTime.h"
#include "core/Utf8Text.h"

namespace {

constexpr std::size_t kMaxTitleChars = 99;
constexpr std::size_t kMaxPathChars = 259;
constexpr int kLoadCapacity = 1000;

// The local calendar day of t as one number; -1 when it cannot be told.
int LocalDay(int64_t t) {
    std::tm local{};
    return ToLocalTime(t, local) ? (local.tm_year + 1900) * 1000 + local.tm_yday : -1;
}

}  // namespace

CUsageTracker::CUsageTracker(const CAppSettings& settings, IClock& clock,
                             IForegroundSampler& sampler, IUsageStore& store)
    : settings_(settings), clock_(clock), sampler_(sampler), store_(store) {}

void CUsageTracker::Attach(IListControl* liveList, IListControl* alarmList, IClockLabel* clockLabel,
                           IImageList* images) {
    liveList_ = liveList;
    alarmList_ = alarmList;
    clockLabel_ = clockLabel;
    images_ = images;
    if (liveList_ != nullptr) liveList_->SetImageList(images_);
    if (alarmList_ != nullptr) alarmList_->SetImageList(images_);
}

void CUsageTracker::LoadToday() {
    const int64_t now = clock_.Now();
    day_ = LocalDay(now);
    if (!settings_.Values().bLoadDbOnStartup) {
        return;
    }
    const std::vector<UsageTotal> rows = store_.LoadDb(now, kLoadCapacity);
    int row = static_cast<int>(table_.Size());
    for (const UsageTotal& total : rows) {
        auto record = std::make_unique<UsageRecord>();
        record->name = total.name;
        record->path = total.path;
        TruncateUtf8(record->path, kMaxPathChars);
        record->seconds = total.seconds;
        if (images_ != nullptr) {
            if (std::optional<IconImage> icon = sampler_.ExtractIcon(record->path, false)) {
                record->icon = AddIcon(record->name, *icon);
            }
        }
        const UsageRecord* added = table_.Append(std::move(record));
        if (liveList_ != nullptr) {
            liveList_->InsertRow(row, added->name, added->icon, added);
            liveList_->SetCellText(row, 1, std::string());
            liveList_->SetCellText(row, 2, FormatDuration(added->seconds));
        }
        ++row;
    }
}

void CUsageTracker::Tick() {
    now_ = clock_.Now();
    // A new day, whether this tick falls on 00:00:00 or the machine slept over midnight or
    // the clock jumped past it: today's table starts empty. The store keeps its own copies
    // of names and paths, so pending seconds never refer to the records freed here.
    const int day = LocalDay(now_);
    if (day != -1 && day_ != -1 && day != day_) {
        current_ = nullptr;
        table_.Clear();
        if (liveList_ != nullptr) liveList_->DeleteAllRows();
    }
    if (day != -1) {
        day_ = day;
    }
    SampleForeground();
    CreditSecond();
    store_.AddSecond(now_, sampleName_, current_->path);
    liveInput_.SetCurrent(current_->name, current_->icon);
}

void CUsageTracker::FlushNow() {
    // Seconds are only pending after a tick; before one there is nothing to write and no
    // tick time to file it under.
    if (now_ == 0) {
        return;
    }
    store_.Flush(now_, now_);
}

void CUsageTracker::SampleForeground() {
    ForegroundSample sample = sampler_.Sample();
    // The title is taken even when the process cannot be read.
    sampleTitle_ = std::move(sample.title);
    TruncateUtf8(sampleTitle_, kMaxTitleChars);
    if (!sample.processFound) {
        return;  // name, path and icon stay those of the last successful sample
    }
    sampleName_ = std::move(sample.name);
    samplePath_ = std::move(sample.path);
    TruncateUtf8(samplePath_, kMaxPathChars);
    sampleIcon_ = -1;
    if (!samplePath_.empty()) {
        sampleIcon_ = IconFor(sampleName_, samplePath_, true);
    }
}

int CUsageTracker::IconFor(const std::string& name, const std::string& path,
                           bool useSampledWindow) {
    // The name is looked up before extracting, so a known program costs no icon extraction
    // at all; only programs without an icon yet are asked for one, at most once a second.
    for (std::size_t i = iconKeys_.size(); i-- > 0;) {
        if (iconKeys_[i] == name) {
            return iconIndexes_[i];
        }
    }
    if (images_ == nullptr) {
        return -1;
    }
    std::optional<IconImage> icon = sampler_.ExtractIcon(path, useSampledWindow);
    if (!icon) {
        return -1;
    }
    return AddIcon(name, *icon);
}

int CUsageTracker::AddIcon(const std::string& name, const IconImage& icon) {
    const int index = images_->Add(icon);
    if (index < 0) {
        return -1;  // the image list refused it: try again next time
    }
    iconKeys_.push_back(name);
    iconIndexes_.push_back(index);
    return index;
}

void CUsageTracker::CreditSecond() {
    int64_t stretch = 1;
    CUsageTable::Match match = table_.Find(sampleName_);
    UsageRecord* record = match.record;
    if (!record) {
        stretchStart_ = now_ - 1;
        auto created = std::make_unique<UsageRecord>();
        created->name = sampleName_;
        created->title = sampleTitle_;
        created->path = samplePath_;
        created->seconds = 1;
        created->icon = sampleIcon_;
        record = table_.PushFront(std::move(created));
        if (liveList_ != nullptr) {
            liveList_->InsertRow(0, sampleName_, sampleIcon_, record);
            liveList_->SetCellText(0, 1, sampleTitle_);
            liveList_->SetCellText(0, 2, FormatDuration(1));
        }
    } else {
        record->title = sampleTitle_;
        if (record->seconds < std::numeric_limits<int32_t>::max()) {
            record->seconds += 1;  // a corrupt loaded total must not overflow
        }
        if (match.position == 0 && record == current_) {
            stretch = now_ - stretchStart_;
        } else {
            stretchStart_ = now_ - 1;
            if (match.position != 0) {
                table_.MoveToFront(match);
                if (liveList_ != nullptr) {
                    liveList_->DeleteRow(match.position);
                    liveList_->InsertRow(0, sampleName_, sampleIcon_, record);
                }
            }
        }
        if (liveList_ != nullptr) {
            liveList_->SetCellText(0, 1, sampleTitle_);
            liveList_->SetCellText(0, 2, FormatDuration(record->seconds));
        }
    }
    current_ = record;
    if (clockLabel_ != nullptr) {
        clockLabel_->SetText(FormatDuration(stretch));
    }
    CheckAlarm(*record, now_);
}

void CUsageTracker::CheckAlarm(const UsageRecord& record, int64_t now) {
    // 64-bit, so a huge stored step cannot overflow
    const int64_t step = static_cast<int64_t>(settings_.AlarmStepMinutes()) * 60;
    // a total of 0 or less only comes from a corrupt loaded value and is no multiple
    if (record.seconds <= 0 || record.seconds % step != 0) {
        return;
    }
    if (alarmList_ == nullptr) {
        return;
    }
    alarmList_->InsertRow(0, sampleName_, sampleIcon_, nullptr);
    alarmList_->SetCellText(0, 1, FormatDuration(record.seconds));
    alarmList_->SetCellText(0, 2, FormatClockTime(now));
}
