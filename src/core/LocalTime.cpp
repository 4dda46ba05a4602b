// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LocalTime.h"

bool ToLocalTime(int64_t t, std::tm& local) {
    const std::time_t time = static_cast<std::time_t>(t);
    return localtime_r(&time, &local) != nullptr;
}

std::string FormatLocalTime(int64_t t, const char* format) {
    std::tm local{};
    if (!ToLocalTime(t, local)) {
        return {};
    }
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, n);
}
