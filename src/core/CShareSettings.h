// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class ISettingsStore;

// The folder this computer shares its history through, and the name and id it goes by
// there. Kept in the "Config" group; an empty folder shares nothing.
class CShareSettings {
  public:
    static constexpr const char* kFolderKey = "szShareFolder";
    static constexpr const char* kNameKey = "szComputerName";
    static constexpr const char* kIdKey = "szComputerId";
    static constexpr const char* kSuffix = ".hgshare";

    // hostName stands in for a name never chosen.
    void Load(const ISettingsStore& store, const std::string& hostName);
    // The Options dialog's OK. The id is made the first time a folder is set.
    void Apply(const std::string& folder, const std::string& name, ISettingsStore& store);
    // Makes and stores the id when there is none yet; it never changes afterwards.
    const std::string& EnsureId(ISettingsStore& store);

    const std::string& Folder() const { return folder_; }
    const std::string& Name() const { return name_; }
    const std::string& Id() const { return id_; }
    bool Sharing() const { return !folder_.empty(); }

    // NAME-<first 8 characters of the id>.hgshare, the name cleaned of path characters.
    std::string SnapshotFileName() const;
    // A name usable as part of a file name: no slashes, no control characters, no leading
    // dot, at most 64 bytes; never empty.
    static std::string CleanName(const std::string& name);
    // 32 random hexadecimal digits.
    static std::string NewId();

  private:
    std::string folder_;
    std::string name_;
    std::string id_;
};

// The one share setting of the running program.
CShareSettings& TheShareSettings();
