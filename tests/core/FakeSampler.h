// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/IForegroundSampler.h"

// Gives whatever sample the test sets; icons exist for the paths listed in iconPaths.
class FakeSampler : public IForegroundSampler {
  public:
    void Set(const std::string& name, const std::string& path, const std::string& title = "") {
        next = ForegroundSample{title, true, name, path};
    }
    void Fail(const std::string& title = "") { next = ForegroundSample{title, false, "", ""}; }

    ForegroundSample Sample() override {
        ++sampleCount;
        return next;
    }
    std::optional<IconImage> ExtractIcon(const std::string& path, bool useSampledWindow) override {
        extractCalls.push_back({path, useSampledWindow});
        if (iconPaths.count(path) == 0) {
            return std::nullopt;
        }
        return IconImage{16, 16, std::vector<uint32_t>(256, 0xFF000000u)};
    }
    // A provisional sample gets settledName once the test sets one.
    void Settle(ForegroundSample& sample) override {
        if (sample.provisional && !settledName.empty()) {
            sample = ForegroundSample{sample.title, true, settledName, settledPath};
        }
    }
    int IconsRevision() override { return iconsRevision; }

    struct ExtractCall {
        std::string path;
        bool useSampledWindow;
    };
    ForegroundSample next;
    std::map<std::string, bool> iconPaths;
    std::vector<ExtractCall> extractCalls;
    int sampleCount = 0;
    std::string settledName;
    std::string settledPath;
    int iconsRevision = 0;
};
