// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QEventLoop>
#include <QRadioButton>

#include "BenchSupport.h"
#include "report/CReportBottomView.h"
#include "report/CReportDialogBar.h"
#include "report/CReportFrame.h"

// Times the window's Refresh from the click to the chart painted, on the day the synthetic
// year ends; range(0) == 1 reports groups. The report is computed on the worker, so each
// round ends when the window shows it.
inline void MeasureRefreshes(benchmark::State& state, CReportFrame& frame) {
    frame.DialogBar().DatePicker().setDateTime(QDateTime::fromSecsSinceEpoch(BenchAnchor()));
    if (state.range(0) == 1) frame.DialogBar().GroupRadio().setChecked(true);
    frame.show();
    QApplication::processEvents();
    QEventLoop shown;
    QObject::connect(&frame, &CReportFrame::Refreshed, &shown, &QEventLoop::quit);
    for (auto _ : state) {
        frame.Refresh();
        shown.exec();
        frame.ChartView().repaint();
    }
    state.SetLabel(state.range(0) == 0 ? "Process" : "Group");
}
