// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <string>

// Text a bus caller or a compositor sent, as valid UTF-8 of at most maxChars characters:
// nothing longer than the tracker keeps is held in memory.
std::string CutBusText(const QString& text, std::size_t maxChars);
