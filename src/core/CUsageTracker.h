// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/CLiveInputData.h"
#include "core/CUsageTable.h"
#include "core/IForegroundSampler.h"
#include "core/IUsageStore.h"

class CAppSettings;
class IAlarmNotifier;
class IClock;
class IClockLabel;
class IImageList;
class IListControl;
class IPresence;
struct IconImage;

// The one-second step: samples the foreground program, credits the second, keeps the
// live list in step with the usage table, feeds the clock, raises alarms and hands the
// second to the database.
class CUsageTracker {
  public:
    CUsageTracker(const CAppSettings& settings, IClock& clock, IForegroundSampler& sampler,
                  IUsageStore& store);

    void Attach(IListControl* liveList, IListControl* alarmList, IClockLabel* clockLabel,
                IImageList* images);
    // Each alarm also goes to notifier while the settings ask for it; null: the list only.
    void SetAlarmNotifier(IAlarmNotifier* notifier) { notifier_ = notifier; }
    // Without a presence (the default) the user is always there. idleSecondsForTests > 0
    // replaces the idle minutes of the settings.
    void SetPresence(IPresence* presence, int idleSecondsForTests = 0);
    void LoadToday();
    void Tick();
    void FlushNow();

    const CUsageTable& Table() const { return table_; }
    const UsageRecord* Current() const { return current_; }
    int64_t LastTick() const { return now_; }
    // Locked or idle: the latest step credited nothing.
    bool Paused() const { return paused_; }
    // The live graph's source: the program credited by the latest step.
    CLiveInputData& LiveInput() { return liveInput_; }

  private:
    bool Away();
    int64_t IdleSeconds(int64_t limit);
    void Pause(int64_t lastInput);
    void TakeBackFromTable(const std::vector<CreditedRun>& takeBack);
    void RememberCredit(int64_t hourStart);
    // Credits the second of now_ to the sample's program.
    void Credit(ForegroundSample sample, int64_t hourStart);
    // Credits the held seconds, each at its own time, named as the sampler can name them now.
    void ReleaseHeld();
    void TakeSample(ForegroundSample sample);
    void CreditSecond();
    // Asks again for the icons today's programs lack, a few a tick, once the sampler may
    // know more of them.
    void RetryIcons();
    void ShowIcon(const CUsageTable::Match& match, int icon);
    void CheckAlarm(UsageRecord& record, int64_t now);
    int IconFor(const std::string& name, const std::string& path, bool useSampledWindow);
    int AddIcon(const std::string& name, const IconImage& icon);

    const CAppSettings& settings_;
    IClock& clock_;
    IForegroundSampler& sampler_;
    IUsageStore& store_;

    IListControl* liveList_ = nullptr;
    IListControl* alarmList_ = nullptr;
    IClockLabel* clockLabel_ = nullptr;
    IImageList* images_ = nullptr;
    IAlarmNotifier* notifier_ = nullptr;

    CUsageTable table_;
    std::vector<std::string> iconKeys_;
    std::vector<int> iconIndexes_;  // image of iconKeys_[i], as the image list returned it
    std::string sampleTitle_;
    std::string sampleName_;
    std::string samplePath_;
    int sampleIcon_ = -1;
    UsageRecord* current_ = nullptr;
    int64_t stretchStart_ = 0;
    int64_t now_ = 0;
    int day_ = -1;  // local day of the last tick or of the start-up load
    CLiveInputData liveInput_;

    IPresence* presence_ = nullptr;
    int idleSecondsForTests_ = 0;
    bool paused_ = false;
    int64_t nextIdleCheck_ = 0;  // idle cannot reach the limit before this tick
    int64_t lastCredit_ = 0;     // tick time of the latest credited second
    // The seconds credited lately, oldest first: what an idle pause may take back.
    std::deque<CreditedRun> recent_;
    int64_t recentHour_ = 0;  // start of the local hour of recent_.back()

    // Seconds whose sample was provisional, oldest first, not credited yet.
    struct HeldSecond {
        int64_t now = 0;
        int64_t hourStart = 0;
        ForegroundSample sample;
    };
    std::vector<HeldSecond> held_;
    int iconsRevision_ = 0;                 // of the sampler, when the table was last retried
    std::vector<std::string> iconRetries_;  // names of records still to be asked again
};
