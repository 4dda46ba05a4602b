// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/BusText.h"

#include "core/Utf8Text.h"

std::string CutBusText(const QString& text, std::size_t maxChars) {
    // A character is at most two UTF-16 units: never convert more than could be kept.
    const QByteArray bytes = text.left(static_cast<qsizetype>(2 * maxChars)).toUtf8();
    return CutValidUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        maxChars);
}
