// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/LeftOutReason.h"

namespace {

struct ReasonText {
    LeftOutReason reason;
    const char* text;    // "%d" stands for the count
    const char* plural;  // for a count other than 1; null: the same
};

const ReasonText kTexts[] = {
    {LeftOutReason::NotAFile, "is not a regular file", nullptr},
    {LeftOutReason::CannotOpen, "cannot be opened", nullptr},
    {LeftOutReason::CannotRead, "cannot be read", nullptr},
    {LeftOutReason::TooLarge, "too large", nullptr},
    {LeftOutReason::Incomplete, "incomplete, still being copied?", nullptr},
    {LeftOutReason::Damaged, "damaged", nullptr},
    {LeftOutReason::AnotherSchema, "another schema", nullptr},
    {LeftOutReason::TooSlow, "too slow to read", nullptr},
    {LeftOutReason::WrittenInTheFuture, "written in the future", nullptr},
    {LeftOutReason::SameComputerTwice, "the same computer twice", nullptr},
    {LeftOutReason::SameDaySums, "the same day sums as another file", nullptr},
    {LeftOutReason::ImplausibleDays, "%d day with implausible values",
     "%d days with implausible values"},
};

}  // namespace

std::string LeftOutReasonText(LeftOutReason reason, int count) {
    for (const ReasonText& entry : kTexts) {
        if (entry.reason != reason) continue;
        std::string text = count != 1 && entry.plural != nullptr ? entry.plural : entry.text;
        const size_t mark = text.find("%d");
        if (mark != std::string::npos) text.replace(mark, 2, std::to_string(count));
        return text;
    }
    return "cannot be read";
}
