// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/CDesktopEntryIndex.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QIcon>
#include <QStringList>
#include <set>
#include <utility>

#include "platform/desktop/IconScale.h"

namespace {

// An installation writes many files; one reading after it is enough.
constexpr int kQuietMs = 500;

std::shared_ptr<const DesktopEntryScan> Nothing() {
    static const auto nothing = std::make_shared<const DesktopEntryScan>();
    return nothing;
}

}  // namespace

CDesktopEntryIndex::CDesktopEntryIndex() {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &CDesktopEntryIndex::Read);
}

CDesktopEntryIndex::~CDesktopEntryIndex() {
    stop_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
}

void CDesktopEntryIndex::Start() {
    if (reading_ || current_) {
        return;
    }
    if (QCoreApplication::instance() != nullptr) {
        watcher_ = new QFileSystemWatcher(this);
        connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { quiet_.start(); });
    }
    Read();
}

void CDesktopEntryIndex::Read() {
    if (reading_) {
        again_ = true;
        return;
    }
    // Only the GUI thread may ask Qt for the theme.
    std::string theme;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        theme = QIcon::themeName().toStdString();
    }
    DesktopEntrySources sources = DesktopEntrySources::FromEnvironment(std::move(theme));
    sources.iconSize = ProgramIconPixels();
    if (watcher_ != nullptr && !current_) {
        // The folders that exist now are watched before the first reading, so nothing
        // written meanwhile goes unseen; their subfolders after it.
        std::vector<std::string> roots;
        for (const std::string& dir : sources.dataDirs) {
            const std::string applications = dir + "/applications";
            if (QFileInfo(QString::fromStdString(applications)).isDir()) {
                roots.push_back(applications);
            } else if (QFileInfo(QString::fromStdString(dir)).isDir()) {
                roots.push_back(dir);
            }
        }
        Watch(roots);
    }
    reading_ = true;
    const bool post = QCoreApplication::instance() != nullptr;
    worker_ = std::thread([this, sources = std::move(sources), post] {
        auto scan = std::make_unique<DesktopEntryScan>(ScanDesktopEntries(sources, stop_));
        {
            const std::lock_guard lock(handOverLock_);
            handOver_ = std::move(scan);
        }
        handedOver_.store(true, std::memory_order_release);
        // The destructor waits for this thread, so the index is still there.
        if (post) {
            QMetaObject::invokeMethod(this, &CDesktopEntryIndex::TakeIn, Qt::QueuedConnection);
        }
    });
}

void CDesktopEntryIndex::TakeIn() {
    if (!handedOver_.load(std::memory_order_acquire)) {
        return;
    }
    std::unique_ptr<DesktopEntryScan> scan;
    {
        const std::lock_guard lock(handOverLock_);
        scan = std::move(handOver_);
        handedOver_.store(false, std::memory_order_relaxed);
    }
    worker_.join();  // it ends right after handing over
    reading_ = false;
    const bool first = !current_;
    current_ = std::move(scan);
    ++revision_;
    // A folder made since the last reading may have had files added before it was watched.
    const bool newFolders = watcher_ != nullptr && Watch(current_->folders) && !first;
    if (again_ || newFolders) {
        again_ = false;
        Read();
    }
}

bool CDesktopEntryIndex::Watch(const std::vector<std::string>& folders) {
    QStringList wanted;
    for (const std::string& folder : folders) {
        wanted.push_back(QString::fromStdString(folder));
    }
    const QStringList watched = watcher_->directories();
    const std::set<QString> keep(wanted.begin(), wanted.end());
    QStringList gone;
    for (const QString& folder : watched) {
        if (keep.count(folder) == 0) {
            gone.push_back(folder);
        }
    }
    if (!gone.isEmpty()) {
        watcher_->removePaths(gone);
    }
    QStringList added;
    for (const QString& folder : wanted) {
        if (!watched.contains(folder)) {
            added.push_back(folder);
        }
    }
    // A folder gone since the reading is simply not watched.
    if (!added.isEmpty()) {
        const QStringList failed = watcher_->addPaths(added);
        return failed.size() < added.size();
    }
    return false;
}

bool CDesktopEntryIndex::Ready() {
    TakeIn();
    return current_ != nullptr;
}

bool CDesktopEntryIndex::Refreshing() {
    TakeIn();
    return !current_ || reading_ || again_ || quiet_.isActive();
}

int CDesktopEntryIndex::Revision() {
    TakeIn();
    return revision_;
}

std::shared_ptr<const DesktopEntryScan> CDesktopEntryIndex::Entries() {
    TakeIn();
    return current_ ? current_ : Nothing();
}
