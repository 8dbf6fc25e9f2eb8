// A private X desktop for one test: Xvfb on a free display, the openbox window manager and a
// trayer tray host, a fresh XDG_CONFIG_HOME, and helpers to drive and inspect what a program
// under test shows there.
//
//   desktop::DesktopSession session;                  // throws if the desktop cannot start
//   auto program = session.Launch({"path/to/program"});
//   auto window = session.FindWindow(program.Pid());  // its first mapped top-level
//   session.ClientGeometry(*window); session.Click(x, y); session.Screenshot("joke");
//   EXPECT_EQ(program.WaitForExit(std::chrono::seconds(10)), 0);
//
// The destructor stops exactly the processes the session started, by process id, and removes
// its temporary folder. Programs started with Launch are stopped by their ChildProcess.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/desktop/child_process.h"

namespace desktop {

using WindowId = unsigned long;  // an X window id

struct Geometry {
    int x = 0;  // top-left on the screen
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Geometry&) const = default;
};

class DesktopSession {
public:
    static constexpr int kScreenWidth = 1024;
    static constexpr int kScreenHeight = 768;

    DesktopSession();
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    const std::string& Display() const { return display_; }  // ":N"
    const std::filesystem::path& ConfigHome() const { return configHome_; }
    // A private folder for the test's files; removed with the session.
    const std::filesystem::path& ScratchDir() const { return scratch_; }
    // What a program needs to run on this desktop and only here: DISPLAY, XDG_CONFIG_HOME,
    // XDG_RUNTIME_DIR, and no session bus, Wayland display or Qt platform of the caller's.
    const EnvironmentChanges& Environment() const { return environment_; }

    // Freezes a program's wall clock at a start time ("2024-12-24 18:00:00") that then runs
    // on; its monotonic clock, and so its timers, are left alone.
    static EnvironmentChanges FakeClock(std::string_view startTime);

    // Starts a program on this desktop; extra changes apply after Environment().
    ChildProcess Launch(const std::vector<std::string>& argv, const EnvironmentChanges& extra = {},
                        const std::filesystem::path& output = {}) const;
    // Runs an X tool (xdotool, xprop, ...) on this desktop to its end; throws if it fails.
    std::string RunTool(const std::vector<std::string>& argv) const;

    // The first mapped top-level window of the process whose title contains titlePart,
    // waiting for it up to the timeout.
    std::optional<WindowId> FindWindow(
        pid_t pid, std::string_view titlePart = {},
        std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    // The client area, without what the window manager drew around it.
    Geometry ClientGeometry(WindowId window) const;
    // The outer frame: the client area grown by the _NET_FRAME_EXTENTS the manager set.
    Geometry FrameGeometry(WindowId window) const;
    bool IsMapped(WindowId window) const;
    // The atom names in _NET_WM_STATE, e.g. "_NET_WM_STATE_ABOVE".
    std::vector<std::string> NetWmState(WindowId window) const;
    // Asks the window manager to close the window, as its close box does.
    void RequestClose(WindowId window) const;

    // Pointer and keys, through the XTEST extension. Buttons: 1 left, 2 middle, 3 right.
    void MoveMouse(int x, int y) const;
    void Press(int button) const;
    void Release(int button) const;
    void Click(int x, int y, int button = 1, int count = 1) const;
    void Drag(int fromX, int fromY, int toX, int toY, int button = 1) const;
    void KeyDown(std::string_view key) const;  // xdotool key names: "shift", "ctrl", "alt"
    void KeyUp(std::string_view key) const;

    // PNG files in ArtifactsDir(), named <name>.png; the paths are returned.
    std::filesystem::path Screenshot(std::string_view name) const;
    std::filesystem::path Screenshot(std::string_view name, const Geometry& area) const;
    static std::filesystem::path ArtifactsDir();
    // The colour of one pixel of an image file as 0xRRGGBB.
    static std::uint32_t PixelAt(const std::filesystem::path& image, int x, int y);

    // Polls the condition until it holds or the timeout passes; returns whether it held.
    static bool WaitUntil(const std::function<bool()>& condition,
                          std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    class X11Connection;

    void StartServer();
    void StartDesktop();
    void StopAll() noexcept;

    std::filesystem::path scratch_;
    std::filesystem::path configHome_;
    std::string display_;
    EnvironmentChanges environment_;
    std::vector<ChildProcess> started_;  // in start order, stopped in reverse
    std::unique_ptr<X11Connection> x11_;
};

}  // namespace desktop
