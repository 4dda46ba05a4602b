// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "core/IForegroundSampler.h"
#include "report/CHtmlReportExport.h"
#include "report/ReportData.h"

class QLabel;

// What the report and History windows share: how they sit beside the main window, their
// note and busy state, their rows' icons and their Save.

using RowIconSource = std::function<std::optional<IconImage>(const std::string& path)>;

// An owned window stays in front of its owner; the owner is always on top, so such a
// window must be too or it would open behind the main window.
Qt::WindowFlags OwnedWindowFlags(const QWidget* owner);

// A plain-text line shown only when it says something; its tooltip is escaped, as
// tooltips have no plain-text mode.
void ShowNoteLine(QLabel& line, const QString& text);

// Save writes what the window shows, which is about to change: it waits for the new
// result. The wait cursor is over the list only; the rest stays usable.
void ShowListBusy(QWidget& list, QWidget& save, bool busy);

// A program's own icon, else fallback (the group icon, or a plain file for programs).
QIcon RowIcon(const RowIconSource& icons, ReportMode mode, const std::string& path,
              const QIcon& fallback);
QIcon RowFallbackIcon(ReportMode mode, const QWidget& window);

// The Save dialog, the write, and either the failure (failureText(file, reason)) or the
// offer to open the page (question).
void SaveWindowPage(
    QWidget* window, const std::string& databasePath,
    const std::function<CHtmlReportExport::Result(const QString& path)>& saveTo,
    const std::function<QString(const QString& file, const QString& reason)>& failureText,
    const QString& question);
