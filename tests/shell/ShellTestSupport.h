// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/IClock.h"
#include "core/IForegroundSampler.h"
#include "core/ISettingsStore.h"
#include "core/Message.h"
#include "shell/ShellMessages.h"

// The one QApplication of the test binary (offscreen platform).
void EnsureTestApplication();
// Local noon of a fixed day, far from midnight and from an hour's end.
int64_t NoonTime();
// $XDG_CONFIG_HOME/Hourglint/Hourglint.conf
QString SettingsFile();
// $XDG_CONFIG_HOME/autostart/Hourglint.desktop
QString AutostartFile();

class FakeClock : public IClock {
  public:
    explicit FakeClock(int64_t now) : now_(now) {}
    int64_t Now() override { return now_; }
    void Advance(int64_t seconds = 1) { now_ += seconds; }

  private:
    int64_t now_;
};

// Reports whichever program the test puts in front.
class FakeSampler : public IForegroundSampler {
  public:
    void SetFront(std::string name, std::string path, std::string title) {
        sample_.processFound = true;
        sample_.name = std::move(name);
        sample_.path = std::move(path);
        sample_.title = std::move(title);
    }
    ForegroundSample Sample() override { return sample_; }
    std::optional<IconImage> ExtractIcon(const std::string&, bool) override {
        IconImage icon;
        icon.width = icon.height = 16;
        icon.argb.assign(256, 0xFF3366CCu);
        return icon;
    }

  private:
    ForegroundSample sample_;
};

// Settings values held in memory, for settings that must not come from the file.
class MemorySettingsStore : public ISettingsStore {
  public:
    std::optional<long long> ReadInt(const std::string& name) const override {
        const auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional<long long>(it->second);
    }
    void WriteInt(const std::string& name, long long value) override {
        values[name] = value;
        writes.push_back(name);
    }

    std::map<std::string, long long> values;
    std::vector<std::string> writes;
};

// Every widget test: the application, recorded messages, answered questions, and no
// settings or autostart file left from an earlier test.
class ShellTest : public ::testing::Test {
  protected:
    ShellTest() { EnsureTestApplication(); }
    void SetUp() override;
    void TearDown() override;

    std::vector<std::string> messages_;
    QStringList questions_;
    bool answer_ = false;

  private:
    MessageHandler previousMessage_;
    QuestionHandler previousQuestion_;
};
