// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Why the "All computers" report left a file out, or named it beside the others.
enum class LeftOutReason {
    NotAFile,
    CannotOpen,
    CannotRead,
    TooLarge,
    Incomplete,
    Damaged,
    AnotherSchema,
    TooSlow,
    WrittenInTheFuture,
    SameComputerTwice,
    SameDaySums,
    ImplausibleDays,  // some days only; the rest of the file counts
};

// The text shown for reason, in the user's language; count: how many days, for
// ImplausibleDays.
std::string LeftOutReasonText(LeftOutReason reason, int count = 0);
