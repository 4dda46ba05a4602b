// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CDayTotalsThread.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <cstdio>
#include <utility>

#include "db/CDayTotals.h"
#include "platform/system/Translations.h"

CDayTotalsThread::CDayTotalsThread(std::string databasePath)
    : thread_([this, path = std::move(databasePath)] {
          // A file not made yet, or made but still empty, gets the roll-up with its tables;
          // opening it here could race the connection that makes them.
          struct stat info {};
          if (::stat(path.c_str(), &info) != 0 || info.st_size == 0) {
              return;
          }
          const CDayTotals::Result result = CDayTotals::Fill(path, &cancel_);
          // Only speed is lost: the reports read the hour rows instead. No box for it.
          if (result.outcome == CDayTotals::Outcome::Failed) {
              const std::string text = FillPlaceholders(
                  QCoreApplication::translate("CDayTotalsThread",
                                              "the days of %1 are not summed up yet: %2"),
                  {path, result.error});
              std::fprintf(stderr, "Hourglint: %s\n", text.c_str());
          }
      }) {}

CDayTotalsThread::~CDayTotalsThread() {
    cancel_ = true;
    thread_.join();
}
