// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/desktop/CDesktopEntryIndex.h"

// Starts the index if need be and waits, events handled, until its reading is in and names
// each app id given (entries written later come in through the folder watch); false when
// that takes more than 30 seconds.
inline bool ReadEntries(CDesktopEntryIndex& index, const std::vector<std::string>& appIds = {}) {
    index.Start();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        if (QCoreApplication::instance() != nullptr) {
            QCoreApplication::processEvents();
        }
        bool named = index.Ready();
        for (const std::string& appId : appIds) {
            named = named && index.Entries()->NamesAppId(appId);
        }
        if (named) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}
