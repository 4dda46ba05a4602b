// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/CTellOnce.h"
#include "core/IForegroundSampler.h"
#include "platform/desktop/CDesktopEntryIcons.h"
#include "platform/wayland/CWaylandClient.h"

class CDesktopEntryIndex;

struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;

// The foreground toplevel of a wlroots compositor (labwc, wayfire, river, sway...), through
// zwlr_foreign_toplevel_manager_v1 on a Wayland connection of its own, read in the Qt event
// loop. The protocol gives app id and title but no pid: the executable comes from the app
// id's desktop entry, else the app id stands as the name with an empty path. A sample
// only reads the kept state. While the entries that could name an app id are still being
// read, its samples are provisional, named by the app id until settled.
class CWlrForegroundSampler final : public QObject, public IForegroundSampler {
  public:
    // Whether the compositor behind WAYLAND_DISPLAY offers the manager.
    static bool Offered();
    // Connects, binds the manager and reads the toplevels before returning (the program is
    // not counting yet). nullptr with the reason in error. The entries name the app ids and
    // must outlive the sampler.
    static std::unique_ptr<CWlrForegroundSampler> Connect(CDesktopEntryIndex& entries,
                                                          std::string& error);
    ~CWlrForegroundSampler() override;

    ForegroundSample Sample() override;
    std::optional<IconImage> ExtractIcon(const std::string& path, bool useSampledWindow) override;
    void Settle(ForegroundSample& sample) override;
    int IconsRevision() override;

    // Whether the connection is up.
    bool Connected() const { return client_.Connected(); }

    // What a toplevel told; applied on its "done" as the protocol asks.
    struct Toplevel {
        std::string title;
        std::string appId;
        bool activated = false;
        std::string pendingTitle;
        std::string pendingAppId;
        bool pendingActivated = false;
    };
    // Called from the protocol's listeners.
    void AddToplevel(zwlr_foreign_toplevel_handle_v1* handle);
    void ToplevelDone(zwlr_foreign_toplevel_handle_v1* handle);
    void ToplevelClosed(zwlr_foreign_toplevel_handle_v1* handle);
    Toplevel* Find(zwlr_foreign_toplevel_handle_v1* handle);
    void BindManager(wl_registry* registry, uint32_t name, uint32_t version);

  private:
    explicit CWlrForegroundSampler(CDesktopEntryIndex& entries);
    // The program of an app id, as far as the entries tell it now.
    void Name(ForegroundSample& sample, const std::string& appId);
    bool Open(std::string& error);
    void Lose();
    void Close();

    CWaylandClient client_;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    CTellOnce loss_;  // the lost connection, said once until it works again
    std::unordered_map<zwlr_foreign_toplevel_handle_v1*, Toplevel> toplevels_;
    zwlr_foreign_toplevel_handle_v1* active_ = nullptr;
    std::string sampledAppId_;  // of the last sample, for its icon
    CDesktopEntryIndex& entries_;
    CDesktopEntryIcons desktopIcons_;
};
