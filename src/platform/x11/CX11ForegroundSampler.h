// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/IForegroundSampler.h"
#include "platform/desktop/CDesktopEntryIcons.h"

class CDesktopEntryIndex;

struct xcb_connection_t;

// A non-empty explanation when this session offers no X11 display to track the foreground
// program with (DISPLAY unset, for example a Wayland-only session); empty otherwise. Cheap
// enough to call before any GUI library starts.
std::string X11SessionProblem();

// Reads the foreground window of an X11 display: its title, and the executable of the
// process that owns it.
class CX11ForegroundSampler final : public IForegroundSampler {
  public:
    // displayName nullptr means $DISPLAY; icons come from the entries, which must outlive
    // the sampler. Returns nullptr and explains why in error when no display can be opened.
    static std::unique_ptr<CX11ForegroundSampler> Connect(const char* displayName,
                                                          CDesktopEntryIndex& entries,
                                                          std::string& error);
    ~CX11ForegroundSampler() override;
    CX11ForegroundSampler(const CX11ForegroundSampler&) = delete;
    CX11ForegroundSampler& operator=(const CX11ForegroundSampler&) = delete;

    ForegroundSample Sample() override;
    // The desktop entry's icon for the executable, else (with useSampledWindow) the last
    // sampled window's _NET_WM_ICON, as 16 x 16 pixels. Until the entries are read, none:
    // the window's icon would stand in for the entry's for good.
    std::optional<IconImage> ExtractIcon(const std::string& path, bool useSampledWindow) override;
    int IconsRevision() override;

    // The window the last Sample() looked at; 0 when there was none.
    uint32_t SampledWindow() const { return window_; }

    // Longest title a sample carries, in characters.

  private:
    struct Atoms {
        uint32_t netActiveWindow = 0;
        uint32_t netSupportingWmCheck = 0;
        uint32_t netWmName = 0;
        uint32_t netWmPid = 0;
        uint32_t netWmIcon = 0;
        uint32_t utf8String = 0;
        uint32_t wmState = 0;
    };
    struct WindowInfo;

    CX11ForegroundSampler(xcb_connection_t* connection, uint32_t root, const Atoms& atoms,
                          CDesktopEntryIndex& entries);

    uint32_t ForegroundWindow();
    uint32_t FocusedTopLevel(uint32_t focus);
    void RequestInfo(uint32_t window, WindowInfo& info);
    void ReadInfo(WindowInfo& info, ForegroundSample& sample);
    void DiscardInfo(WindowInfo& info);
    bool IsLocalMachine(const std::string& machine) const;
    std::optional<IconImage> WindowIcon(uint32_t window);

    xcb_connection_t* connection_;
    uint32_t root_;
    Atoms atoms_;
    bool hasXRes_ = false;
    std::string hostName_;
    uint32_t window_ = 0;
    CDesktopEntryIcons desktopIcons_;
};
