// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wlr/CWlrForegroundSampler.h"

#include <wayland-client.h>
#include <QCoreApplication>

#include <cstring>

#include "core/Message.h"
#include "core/Utf8Text.h"
#include "platform/desktop/CDesktopEntryIndex.h"
#include "platform/system/ProcessExecutable.h"
#include "platform/system/Translations.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

namespace {

constexpr uint32_t kHighestVersion = 3;

CWlrForegroundSampler* Self(void* data) {
    return static_cast<CWlrForegroundSampler*>(data);
}

void OnTitle(void* data, zwlr_foreign_toplevel_handle_v1* handle, const char* title) {
    if (auto* toplevel = Self(data)->Find(handle)) {
        toplevel->pendingTitle = title != nullptr ? title : "";
    }
}
void OnAppId(void* data, zwlr_foreign_toplevel_handle_v1* handle, const char* appId) {
    if (auto* toplevel = Self(data)->Find(handle)) {
        toplevel->pendingAppId = appId != nullptr ? appId : "";
    }
}
void OnOutput(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
void OnState(void* data, zwlr_foreign_toplevel_handle_v1* handle, wl_array* states) {
    auto* toplevel = Self(data)->Find(handle);
    if (toplevel == nullptr) {
        return;
    }
    toplevel->pendingActivated = false;
    const auto* state = static_cast<const uint32_t*>(states->data);
    for (std::size_t i = 0; i < states->size / sizeof(uint32_t); ++i) {
        if (state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED) {
            toplevel->pendingActivated = true;
        }
    }
}
void OnDone(void* data, zwlr_foreign_toplevel_handle_v1* handle) {
    Self(data)->ToplevelDone(handle);
}
void OnClosed(void* data, zwlr_foreign_toplevel_handle_v1* handle) {
    Self(data)->ToplevelClosed(handle);
}
void OnParent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

const zwlr_foreign_toplevel_handle_v1_listener kToplevelListener = {
    OnTitle, OnAppId, OnOutput, OnOutput, OnState, OnDone, OnClosed, OnParent,
};

void OnToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                zwlr_foreign_toplevel_handle_v1* handle) {
    Self(data)->AddToplevel(handle);
}
void OnFinished(void*, zwlr_foreign_toplevel_manager_v1*) {}

const zwlr_foreign_toplevel_manager_v1_listener kManagerListener = {OnToplevel, OnFinished};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
    if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
        Self(data)->BindManager(registry, name, version);
    }
}
void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

void NoteOffered(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
        *static_cast<bool*>(data) = true;
    }
}

}  // namespace

bool CWlrForegroundSampler::Offered() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return false;
    }
    bool offered = false;
    const wl_registry_listener listener = {NoteOffered, OnGlobalRemove};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

std::unique_ptr<CWlrForegroundSampler> CWlrForegroundSampler::Connect(CDesktopEntryIndex& entries,
                                                                      std::string& error) {
    std::unique_ptr<CWlrForegroundSampler> sampler(new CWlrForegroundSampler(entries));
    if (!sampler->Open(error)) {
        return nullptr;
    }
    return sampler;
}

CWlrForegroundSampler::CWlrForegroundSampler(CDesktopEntryIndex& entries)
    : entries_(entries), desktopIcons_(entries) {
    connect(&client_, &CWaylandClient::Lost, this, &CWlrForegroundSampler::Lose);
}

CWlrForegroundSampler::~CWlrForegroundSampler() {
    Close();
}

bool CWlrForegroundSampler::Open(std::string& error) {
    if (!client_.Open(&kRegistryListener, this, error)) {
        return false;
    }
    // The toplevels the manager announces, with their state.
    if (manager_ == nullptr || !client_.Roundtrip()) {
        error = manager_ == nullptr
                    ? QCoreApplication::translate(
                          "CWlrForegroundSampler",
                          "The Wayland compositor does not offer zwlr_foreign_toplevel_manager_v1.")
                          .toStdString()
                    : QCoreApplication::translate("CWlrForegroundSampler",
                                                  "The Wayland compositor closed the connection.")
                          .toStdString();
        Close();
        return false;
    }
    client_.Watch();
    return true;
}

void CWlrForegroundSampler::BindManager(wl_registry* registry, uint32_t name, uint32_t version) {
    if (manager_ != nullptr) {
        return;
    }
    manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface,
                         std::min(version, kHighestVersion)));
    zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &kManagerListener, this);
}

void CWlrForegroundSampler::AddToplevel(zwlr_foreign_toplevel_handle_v1* handle) {
    toplevels_.emplace(handle, Toplevel{});
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kToplevelListener, this);
}

CWlrForegroundSampler::Toplevel* CWlrForegroundSampler::Find(
    zwlr_foreign_toplevel_handle_v1* handle) {
    const auto found = toplevels_.find(handle);
    return found != toplevels_.end() ? &found->second : nullptr;
}

void CWlrForegroundSampler::ToplevelDone(zwlr_foreign_toplevel_handle_v1* handle) {
    Toplevel* toplevel = Find(handle);
    if (toplevel == nullptr) {
        return;
    }
    toplevel->title = toplevel->pendingTitle;
    toplevel->appId = toplevel->pendingAppId;
    toplevel->activated = toplevel->pendingActivated;
    if (toplevel->activated) {
        active_ = handle;
    } else if (active_ == handle) {
        active_ = nullptr;
    }
}

void CWlrForegroundSampler::ToplevelClosed(zwlr_foreign_toplevel_handle_v1* handle) {
    if (active_ == handle) {
        active_ = nullptr;
    }
    toplevels_.erase(handle);
    zwlr_foreign_toplevel_handle_v1_destroy(handle);
}

void CWlrForegroundSampler::Lose() {
    Close();
    if (loss_.First()) {
        ShowMessage(
            QCoreApplication::translate("CWlrForegroundSampler",
                                        "Hourglint lost its connection to the Wayland compositor. "
                                        "Until it answers again, the seconds go to the program "
                                        "that was last in front; Hourglint reconnects by itself.")
                .toStdString());
    }
    client_.ReopenLater([this] {
        std::string error;
        return Open(error);
    });
}

void CWlrForegroundSampler::Close() {
    active_ = nullptr;
    for (const auto& [handle, toplevel] : toplevels_) {
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
    }
    toplevels_.clear();
    if (manager_ != nullptr) {
        zwlr_foreign_toplevel_manager_v1_destroy(manager_);
        manager_ = nullptr;
    }
    client_.Close();
}

// The desktop entry's executable when there is one; else the app id stands for the program.
ForegroundSample CWlrForegroundSampler::Sample() {
    ForegroundSample sample;
    sampledAppId_.clear();
    if (active_ == nullptr) {
        return sample;
    }
    loss_.Worked();
    const Toplevel& toplevel = toplevels_.at(active_);
    sampledAppId_ = toplevel.appId;
    sample.title = CutValidUtf8(toplevel.title, kMaxTitleChars);
    if (toplevel.appId.empty()) {
        return sample;
    }
    sample.processFound = true;
    Name(sample, toplevel.appId);
    return sample;
}

void CWlrForegroundSampler::Name(ForegroundSample& sample, const std::string& appId) {
    sample.name = appId;
    sample.path.clear();
    // An app id no entry names yet may be named by the reading on its way.
    sample.provisional =
        !entries_.Ready() || (entries_.Refreshing() && !entries_.Entries()->NamesAppId(appId));
    if (sample.provisional) {
        return;
    }
    if (const std::optional<std::string> path = entries_.Entries()->ExecutableFor(appId)) {
        sample.path = *path;
        sample.name = path->substr(path->rfind('/') + 1);
    }
}

// A provisional sample's name is its app id.
void CWlrForegroundSampler::Settle(ForegroundSample& sample) {
    if (sample.provisional) {
        const std::string appId = sample.name;
        Name(sample, appId);
    }
}

int CWlrForegroundSampler::IconsRevision() {
    return entries_.Revision();
}

std::optional<IconImage> CWlrForegroundSampler::ExtractIcon(const std::string& path,
                                                            bool useSampledWindow) {
    return desktopIcons_.IconFor(path, useSampledWindow ? sampledAppId_ : std::string());
}
