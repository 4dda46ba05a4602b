// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/CDesktopEntryIcons.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/desktop/DesktopEntryFile.h"
#include "platform/desktop/IconScale.h"

namespace {

// Icon files are small; a larger one is not read on the tick.
constexpr std::size_t kMaxIconFileBytes = 512 * 1024;
// A few kilobytes of PNG may claim a huge picture; the decoder refuses more than this (MB).
constexpr int kIconAllocationLimitMb = 16;

}  // namespace

std::optional<IconImage> LoadIconFile(const std::string& file) {
    std::optional<std::string> bytes = ReadSmallRegularFile(file, kMaxIconFileBytes);
    if (!bytes) {
        return std::nullopt;
    }
    QByteArray data = QByteArray::fromStdString(*bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(kIconAllocationLimitMb);
    QImageReader reader(&buffer);
    if (reader.format() == "svg" || reader.format() == "svgz") {
        // Qt's SVG renderer aborts without a running QGuiApplication (it needs fonts).
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
            return std::nullopt;
        }
        reader.setScaledSize(QSize(ProgramIconPixels(), ProgramIconPixels()));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return std::nullopt;
    }
    return ProgramIconFromImage(image);
}

CDesktopEntryIcons::CDesktopEntryIcons(CDesktopEntryIndex& index) : index_(index) {}

std::optional<IconImage> CDesktopEntryIcons::IconFor(const std::string& executablePath) {
    return Lookup(executablePath, false);
}

std::optional<IconImage> CDesktopEntryIcons::IconForWindow(const std::string& appId) {
    if (appId.empty()) {
        return std::nullopt;
    }
    return Lookup(appId, true);
}

std::optional<IconImage> CDesktopEntryIcons::IconFor(const std::string& executablePath,
                                                     const std::string& appId) {
    std::optional<IconImage> icon;
    if (!executablePath.empty()) {
        icon = IconFor(executablePath);
    }
    return icon ? icon : IconForWindow(appId);
}

std::optional<IconImage> CDesktopEntryIcons::Lookup(const std::string& key, bool byWindow) {
    const int revision = index_.Revision();
    if (revision != revision_) {
        cache_.clear();  // a new reading may name other icons
        revision_ = revision;
    }
    const bool ready = index_.Ready();
    const std::string cacheKey = byWindow ? '\n' + key : key;  // an app id is never a path
    const auto cached = cache_.find(cacheKey);
    if (cached != cache_.end()) {
        return cached->second;
    }
    const std::shared_ptr<const DesktopEntryScan> entries = index_.Entries();
    std::optional<IconImage> icon;
    const std::optional<std::string> name =
        byWindow ? entries->IconNameForWindow(key) : entries->IconNameFor(key);
    if (name) {
        for (const std::string& file : entries->IconFiles(*name)) {
            if ((icon = LoadIconFile(file))) {
                break;
            }
        }
    }
    // Before the first reading a miss says nothing: it is asked again.
    if (icon || ready) {
        cache_.emplace(cacheKey, icon);
    }
    return icon;
}
