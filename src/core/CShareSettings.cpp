// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CShareSettings.h"

#include <optional>
#include <random>

#include "core/ISettingsStore.h"

namespace {

std::string ReadText(const ISettingsStore& store, const char* name) {
    const std::optional<std::string> value = store.ReadText(name);
    return value ? *value : std::string();
}

}  // namespace

void CShareSettings::Load(const ISettingsStore& store, const std::string& hostName) {
    folder_ = ReadText(store, kFolderKey);
    name_ = ReadText(store, kNameKey);
    if (name_.empty()) {
        name_ = hostName;
    }
    id_ = ReadText(store, kIdKey);
}

void CShareSettings::Apply(const std::string& folder, const std::string& name,
                           ISettingsStore& store) {
    // Only what changed, so an untouched row adds nothing to the settings file.
    if (folder != folder_) {
        folder_ = folder;
        store.WriteText(kFolderKey, folder_);
    }
    if (!name.empty() && name != name_) {
        name_ = name;
        store.WriteText(kNameKey, name_);
    }
    if (!folder_.empty()) {
        EnsureId(store);
    }
}

const std::string& CShareSettings::EnsureId(ISettingsStore& store) {
    if (id_.empty()) {
        id_ = NewId();
        store.WriteText(kIdKey, id_);
    }
    return id_;
}

std::string CShareSettings::SnapshotFileName() const {
    return CleanName(name_) + "-" + id_.substr(0, 8) + kSuffix;
}

std::string CShareSettings::CleanName(const std::string& name) {
    std::string clean;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unsafe = byte < 0x20 || byte == 0x7F || c == '/' || c == '\\' || c == ':' ||
                            c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
        clean += unsafe ? '_' : c;
    }
    // A leading dot would hide the file, and the temporary files start with one.
    const size_t start = clean.find_first_not_of(". ");
    clean = start == std::string::npos ? std::string() : clean.substr(start);
    while (!clean.empty() && clean.back() == ' ') {
        clean.pop_back();
    }
    if (clean.size() > 64) {
        clean.resize(64);
        // Not in the middle of a UTF-8 character.
        while (!clean.empty() && (static_cast<unsigned char>(clean.back()) & 0xC0) == 0x80) {
            clean.pop_back();
        }
        if (!clean.empty() && static_cast<unsigned char>(clean.back()) >= 0xC0) {
            clean.pop_back();
        }
    }
    return clean.empty() ? std::string("computer") : clean;
}

std::string CShareSettings::NewId() {
    std::random_device random;
    std::uniform_int_distribution<int> digit(0, 15);
    std::string id;
    for (int i = 0; i < 32; ++i) {
        id += "0123456789abcdef"[digit(random)];
    }
    return id;
}

CShareSettings& TheShareSettings() {
    static CShareSettings settings;
    return settings;
}
