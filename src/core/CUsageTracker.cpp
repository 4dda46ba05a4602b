// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CUsageTracker.h"

#include <algorithm>
#include <ctime>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

#include "core/CAppSettings.h"
#include "core/Duration.h"
#include "core/IAlarmNotifier.h"
#include "core/IClock.h"
#include "core/IClockLabel.h"
#include "core/IForegroundSampler.h"
#include "core/IImageList.h"
#include "core/IListControl.h"
#include "core/IPresence.h"
#include "core/IUsageStore.h"
#include "core/LocalTime.h"
#include "core/Utf8Text.h"

namespace {

constexpr std::size_t kMaxPathChars = 259;
constexpr int kLoadCapacity = 1000;
// How long provisional samples are held before they are credited as they are named then.
constexpr std::size_t kMaxHeldSeconds = 10;
constexpr int kIconRetriesPerTick = 8;

// The local calendar day of t as one number; -1 when it cannot be told. hourStart receives
// the start of t's local hour.
int LocalDay(int64_t t, int64_t* hourStart = nullptr) {
    std::tm local{};
    if (!ToLocalTime(t, local)) {
        if (hourStart != nullptr) *hourStart = t - t % 3600;
        return -1;
    }
    if (hourStart != nullptr) *hourStart = t - local.tm_min * 60 - local.tm_sec;
    return (local.tm_year + 1900) * 1000 + local.tm_yday;
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

void CUsageTracker::SetPresence(IPresence* presence, int idleSecondsForTests) {
    presence_ = presence;
    idleSecondsForTests_ = idleSecondsForTests;
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
    int64_t hourStart = 0;
    // A new day, whether this tick falls on 00:00:00 or the machine slept over midnight or
    // the clock jumped past it: today's table starts empty. The store keeps its own copies
    // of names and paths, so pending seconds never refer to the records freed here.
    const int day = LocalDay(now_, &hourStart);
    if (day != -1 && day_ != -1 && day != day_) {
        ReleaseHeld();  // into the day they belong to
        current_ = nullptr;
        table_.Clear();
        if (liveList_ != nullptr) liveList_->DeleteAllRows();
    }
    if (day != -1) {
        day_ = day;
    }
    if (Away()) {
        liveInput_.SetNone();
        return;
    }
    paused_ = false;
    RetryIcons();
    ForegroundSample sample = sampler_.Sample();
    // Held rather than credited under a name that would change: one program, one row.
    if (sample.provisional && held_.size() < kMaxHeldSeconds) {
        held_.push_back(HeldSecond{now_, hourStart, std::move(sample)});
        liveInput_.SetNone();
        return;
    }
    ReleaseHeld();
    Credit(std::move(sample), hourStart);
}

void CUsageTracker::Credit(ForegroundSample sample, int64_t hourStart) {
    TakeSample(std::move(sample));
    CreditSecond();
    store_.AddSecond(now_, sampleName_, current_->path);
    liveInput_.SetCurrent(current_->name, current_->icon);
    lastCredit_ = now_;
    if (presence_ != nullptr && settings_.Values().bPauseWhenIdle) {
        RememberCredit(hourStart);
    }
}

void CUsageTracker::ReleaseHeld() {
    if (held_.empty()) {
        return;
    }
    const int64_t now = now_;
    std::vector<HeldSecond> held = std::move(held_);
    held_.clear();
    for (HeldSecond& second : held) {
        sampler_.Settle(second.sample);
        now_ = second.now;
        Credit(std::move(second.sample), second.hourStart);
    }
    now_ = now;
}

void CUsageTracker::RetryIcons() {
    if (images_ == nullptr) {
        return;
    }
    const int revision = sampler_.IconsRevision();
    if (revision != iconsRevision_) {
        iconsRevision_ = revision;
        iconRetries_.clear();
        for (const auto& record : table_) {
            if (record->icon < 0 && !record->path.empty()) {
                iconRetries_.push_back(record->name);
            }
        }
    }
    for (int i = 0; i < kIconRetriesPerTick && !iconRetries_.empty(); ++i) {
        const std::string name = std::move(iconRetries_.back());
        iconRetries_.pop_back();
        const CUsageTable::Match match = table_.Find(name);
        if (match && match.record->icon < 0) {
            ShowIcon(match, IconFor(name, match.record->path, false));
        }
    }
}

void CUsageTracker::ShowIcon(const CUsageTable::Match& match, int icon) {
    if (icon < 0) {
        return;
    }
    match.record->icon = icon;
    if (liveList_ != nullptr) {
        liveList_->SetRowImage(match.position, icon);
    }
}

bool CUsageTracker::Away() {
    if (presence_ == nullptr) {
        return false;
    }
    // Idle first: a screen that locks itself after a while of no input still gives the
    // seconds since that input back.
    if (settings_.Values().bPauseWhenIdle) {
        const int64_t limit =
            idleSecondsForTests_ > 0 ? idleSecondsForTests_ : int64_t{settings_.IdleMinutes()} * 60;
        const int64_t idle = IdleSeconds(limit);
        if (idle >= limit) {
            if (!paused_) Pause(now_ - idle);
            return true;
        }
    }
    if (presence_->Locked()) {
        if (!paused_) Pause(now_);
        return true;
    }
    return false;
}

int64_t CUsageTracker::IdleSeconds(int64_t limit) {
    // The idle time cannot reach the limit sooner than the limit minus the idle time last
    // read, so while the user is present there is nothing to ask before then. While away
    // every tick asks, to see the first input. A clock set back asks at once.
    if (!paused_ && now_ < nextIdleCheck_ && nextIdleCheck_ - now_ <= limit) {
        return 0;
    }
    const int64_t ms = presence_->IdleMs();
    const int64_t idle = ms < 0 ? 0 : ms / 1000;
    nextIdleCheck_ = now_ + (limit - idle);
    return idle;
}

void CUsageTracker::Pause(int64_t lastInput) {
    ReleaseHeld();  // so that what falls after the input is taken back with the rest
    paused_ = true;
    current_ = nullptr;  // the first second back starts a new stretch
    // Every second credited after the last input, newest first; a run the input fell in
    // keeps its part up to the input.
    std::vector<CreditedRun> takeBack;
    while (!recent_.empty()) {
        CreditedRun& run = recent_.back();
        const int64_t last = run.first + run.seconds - 1;
        if (last <= lastInput) break;
        if (run.first > lastInput) {
            takeBack.push_back(std::move(run));
            recent_.pop_back();
        } else {
            const auto after = static_cast<int32_t>(last - lastInput);
            takeBack.push_back(CreditedRun{run.name, lastInput + 1, after});
            run.seconds -= after;
            break;
        }
    }
    recent_.clear();
    TakeBackFromTable(takeBack);
    const int64_t lastCounted = lastCredit_ == 0 ? now_ : std::min(lastCredit_, lastInput);
    store_.StopCounting(now_, lastCounted, takeBack);
}

void CUsageTracker::TakeBackFromTable(const std::vector<CreditedRun>& takeBack) {
    for (const CreditedRun& run : takeBack) {
        if (LocalDay(run.first) != day_) {
            continue;  // an earlier day's table is gone already
        }
        const CUsageTable::Match match = table_.Find(run.name);
        if (!match) {
            continue;
        }
        match.record->seconds -= run.seconds;
        if (match.record->seconds > 0) {
            if (liveList_ != nullptr) {
                liveList_->SetCellText(match.position, 2, FormatDuration(match.record->seconds));
            }
        } else {
            // first seen while nobody was there: as if never seen
            if (liveList_ != nullptr) liveList_->DeleteRow(match.position);
            table_.Erase(match);
        }
    }
}

void CUsageTracker::RememberCredit(int64_t hourStart) {
    if (!recent_.empty() && now_ < recent_.back().first + recent_.back().seconds) {
        recent_.clear();  // the clock was set back: those seconds are not "since" anything now
    }
    if (!recent_.empty()) {
        CreditedRun& last = recent_.back();
        if (last.first + last.seconds == now_ && recentHour_ == hourStart &&
            last.name == sampleName_) {
            ++last.seconds;
            return;
        }
    }
    recent_.push_back(CreditedRun{sampleName_, now_, 1});
    recentHour_ = hourStart;
    // Only what a pause could give back: the longest idle time and a little more.
    const int64_t keep = std::max<int64_t>(idleSecondsForTests_, int64_t{120} * 60) + 2;
    while (recent_.size() > 1 && recent_.front().first + recent_.front().seconds < now_ - keep) {
        recent_.pop_front();
    }
}

void CUsageTracker::FlushNow() {
    // Seconds are only pending after a tick; before one there is nothing to write and no
    // tick time to file it under.
    if (now_ == 0) {
        return;
    }
    ReleaseHeld();
    store_.Flush(now_, now_);
}

void CUsageTracker::TakeSample(ForegroundSample sample) {
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
    if (record->icon < 0 && sampleIcon_ >= 0) {
        // An icon found only now, such as once the desktop entries are read.
        record->icon = sampleIcon_;
        if (liveList_ != nullptr) liveList_->SetRowImage(0, sampleIcon_);
    }
    current_ = record;
    if (clockLabel_ != nullptr) {
        clockLabel_->SetText(FormatDuration(stretch));
    }
    CheckAlarm(*record, now_);
}

void CUsageTracker::CheckAlarm(UsageRecord& record, int64_t now) {
    // 64-bit, so a huge stored step cannot overflow
    const int64_t step = static_cast<int64_t>(settings_.AlarmStepMinutes()) * 60;
    // a total of 0 or less only comes from a corrupt loaded value and is no multiple
    // Once per total: one given back and reached again does not ring twice.
    if (record.seconds <= 0 || record.seconds % step != 0 || record.seconds <= record.alarmedAt) {
        return;
    }
    record.alarmedAt = record.seconds;
    if (notifier_ != nullptr && settings_.Values().bAlarmNotify) {
        notifier_->AlarmRaised(sampleName_, record.seconds);
    }
    if (alarmList_ == nullptr) {
        return;
    }
    alarmList_->InsertRow(0, sampleName_, sampleIcon_, nullptr);
    alarmList_->SetCellText(0, 1, FormatDuration(record.seconds));
    alarmList_->SetCellText(0, 2, FormatClockTime(now));
}
