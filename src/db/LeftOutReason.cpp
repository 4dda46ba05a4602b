// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/LeftOutReason.h"

#include "core/Translate.h"

namespace {

constexpr char kContext[] = "LeftOutReason";

struct ReasonText {
    LeftOutReason reason;
    const char* text;  // a plural form for a count, %n standing for it
    const char* one;   // the English singular of a count; null: no count
};

const ReasonText kTexts[] = {
    {LeftOutReason::NotAFile, QT_TRANSLATE_NOOP("LeftOutReason", "is not a regular file"), nullptr},
    {LeftOutReason::CannotOpen, QT_TRANSLATE_NOOP("LeftOutReason", "cannot be opened"), nullptr},
    {LeftOutReason::CannotRead, QT_TRANSLATE_NOOP("LeftOutReason", "cannot be read"), nullptr},
    {LeftOutReason::TooLarge, QT_TRANSLATE_NOOP("LeftOutReason", "too large"), nullptr},
    {LeftOutReason::Incomplete,
     QT_TRANSLATE_NOOP("LeftOutReason", "incomplete, still being copied?"), nullptr},
    {LeftOutReason::Damaged, QT_TRANSLATE_NOOP("LeftOutReason", "damaged"), nullptr},
    {LeftOutReason::AnotherSchema, QT_TRANSLATE_NOOP("LeftOutReason", "another schema"), nullptr},
    {LeftOutReason::TooSlow, QT_TRANSLATE_NOOP("LeftOutReason", "too slow to read"), nullptr},
    {LeftOutReason::WrittenInTheFuture, QT_TRANSLATE_NOOP("LeftOutReason", "written in the future"),
     nullptr},
    {LeftOutReason::SameComputerTwice,
     QT_TRANSLATE_NOOP("LeftOutReason", "the same computer twice"), nullptr},
    {LeftOutReason::SameDaySums,
     QT_TRANSLATE_NOOP("LeftOutReason", "the same day sums as another file"), nullptr},
    {LeftOutReason::ImplausibleDays,
     QT_TRANSLATE_N_NOOP("LeftOutReason", "%n days with implausible values"),
     "%n day with implausible values"},
};

}  // namespace

std::string LeftOutReasonText(LeftOutReason reason, int count) {
    for (const ReasonText& entry : kTexts) {
        if (entry.reason != reason) continue;
        return entry.one != nullptr ? TranslateCount(kContext, entry.text, entry.one, count)
                                    : Translate(kContext, entry.text);
    }
    return LeftOutReasonText(LeftOutReason::CannotRead);
}
