#include "tests/desktop/desktop_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace desktop {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = std::chrono::seconds(15);

// A window can vanish between two queries; that is an answer, not a reason to exit.
int IgnoreXError(::Display*, XErrorEvent*) {
    return 0;
}

std::string ButtonName(int button) {
    return std::to_string(button);
}

std::filesystem::path MakeScratchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tralalino-desktop-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    return pattern;
}

// Xvfb writes its display number to the pipe once it accepts connections.
std::string ReadDisplayNumber(int fd, ChildProcess& server) {
    std::string number;
    const auto deadline = Clock::now() + kStartTimeout;
    while (number.empty() || number.back() != '\n') {
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, 100) > 0) {
            char buffer[16];
            const ssize_t count = read(fd, buffer, sizeof buffer);
            if (count <= 0) {
                return {};
            }
            number.append(buffer, static_cast<std::size_t>(count));
        } else if (!server.Running() || Clock::now() >= deadline) {
            return {};
        }
    }
    number.pop_back();
    return number;
}

}  // namespace

class DesktopSession::X11Connection {
public:
    explicit X11Connection(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
        if (display_ == nullptr) {
            throw std::runtime_error("cannot connect to " + display);
        }
        XSetErrorHandler(IgnoreXError);
    }
    ~X11Connection() { XCloseDisplay(display_); }
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    bool WindowManagerRunning() {
        const auto check = Cardinals(Root(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
        return !check.empty() &&
               Cardinals(check[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) == check;
    }

    bool TrayHostRunning() {
        return XGetSelectionOwner(display_, Intern("_NET_SYSTEM_TRAY_S0")) != None;
    }

    // The window manager announces itself before its event loop runs, and a window mapped in
    // between stays unmapped for good. A small window of our own, mapped again until the
    // manager sets its WM_STATE, shows that it manages windows from now on.
    bool WindowManagerManages(std::chrono::milliseconds timeout) {
        const ::Window probe = XCreateSimpleWindow(display_, Root(), 0, 0, 1, 1, 0, 0, 0);
        const ::Atom state = Intern("WM_STATE");
        const bool managed = WaitUntil(
            [&] {
                XUnmapWindow(display_, probe);
                XMapWindow(display_, probe);
                return WaitUntil(
                    [&] {
                        XSync(display_, False);
                        return !Cardinals(probe, "WM_STATE", state).empty();
                    },
                    std::chrono::milliseconds(300));
            },
            timeout);
        XDestroyWindow(display_, probe);
        XFlush(display_);
        return managed;
    }

    std::optional<WindowId> FindClient(pid_t pid, std::string_view titlePart) {
        XSync(display_, False);
        return FindClientBelow(Root(), pid, titlePart);
    }

    std::optional<XWindowAttributes> Attributes(WindowId window) {
        XSync(display_, False);
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, window, &attributes) == 0) {
            return std::nullopt;
        }
        return attributes;
    }

    Geometry ClientGeometry(WindowId window) {
        const auto attributes = Attributes(window);
        if (!attributes) {
            throw std::runtime_error("no window " + std::to_string(window));
        }
        int x = 0;
        int y = 0;
        ::Window child;
        XTranslateCoordinates(display_, window, Root(), 0, 0, &x, &y, &child);
        return {x, y, attributes->width, attributes->height};
    }

    // left, right, top, bottom; empty before the manager set them.
    std::vector<unsigned long> FrameExtents(WindowId window) {
        return Cardinals(window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    }

    std::vector<std::string> NetWmState(WindowId window) {
        std::vector<std::string> names;
        for (unsigned long atom : Cardinals(window, "_NET_WM_STATE", XA_ATOM)) {
            char* name = XGetAtomName(display_, atom);
            if (name != nullptr) {
                names.emplace_back(name);
                XFree(name);
            }
        }
        return names;
    }

    std::pair<int, int> Pointer() {
        ::Window root;
        ::Window child;
        int x = 0;
        int y = 0;
        int windowX = 0;
        int windowY = 0;
        unsigned buttons = 0;
        XQueryPointer(display_, Root(), &root, &child, &x, &y, &windowX, &windowY, &buttons);
        return {x, y};
    }

    void RequestClose(WindowId window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = Intern("_NET_CLOSE_WINDOW");
        event.xclient.format = 32;
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2;  // from a pager: what a person asked for
        XSendEvent(display_, Root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &event);
        XFlush(display_);
    }

private:
    ::Window Root() { return DefaultRootWindow(display_); }

    ::Atom Intern(const char* name) { return XInternAtom(display_, name, False); }

    // A property of 32-bit items.
    std::vector<unsigned long> Cardinals(WindowId window, const char* property, ::Atom type) {
        ::Atom actualType = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long bytesAfter = 0;
        unsigned char* data = nullptr;
        std::vector<unsigned long> values;
        if (XGetWindowProperty(display_, window, Intern(property), 0, 1024, False, type,
                               &actualType, &format, &count, &bytesAfter, &data) == Success &&
            data != nullptr) {
            if (actualType == type && format == 32) {
                // Xlib hands 32-bit items over as longs.
                const auto* items = reinterpret_cast<const unsigned long*>(data);
                values.assign(items, items + count);
            }
            XFree(data);
        }
        return values;
    }

    std::string Title(WindowId window) {
        ::Atom actualType = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long bytesAfter = 0;
        unsigned char* data = nullptr;
        std::string title;
        if (XGetWindowProperty(display_, window, Intern("_NET_WM_NAME"), 0, 1024, False,
                               Intern("UTF8_STRING"), &actualType, &format, &count, &bytesAfter,
                               &data) == Success &&
            data != nullptr) {
            title.assign(reinterpret_cast<const char*>(data), count);
            XFree(data);
        }
        return title;
    }

    std::optional<WindowId> FindClientBelow(::Window parent, pid_t pid,
                                            std::string_view titlePart) {
        ::Window root;
        ::Window parentOfParent;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display_, parent, &root, &parentOfParent, &children, &count) == 0) {
            return std::nullopt;
        }
        std::optional<WindowId> found;
        for (unsigned i = 0; i < count && !found; ++i) {
            const ::Window child = children[i];
            XWindowAttributes attributes;
            const auto owner = Cardinals(child, "_NET_WM_PID", XA_CARDINAL);
            if (!owner.empty() && owner[0] == static_cast<unsigned long>(pid) &&
                XGetWindowAttributes(display_, child, &attributes) != 0 &&
                attributes.map_state == IsViewable && !attributes.override_redirect &&
                Title(child).find(titlePart) != std::string::npos) {
                found = child;
            } else {
                found = FindClientBelow(child, pid, titlePart);
            }
        }
        if (children != nullptr) {
            XFree(children);
        }
        return found;
    }

    ::Display* display_;
};

DesktopSession::DesktopSession() : scratch_(MakeScratchDir()), configHome_(scratch_ / "config") {
    try {
        std::filesystem::create_directories(configHome_);
        std::filesystem::create_directories(scratch_ / "runtime");
        std::filesystem::permissions(scratch_ / "runtime", std::filesystem::perms::owner_all);
        StartServer();
        StartDesktop();
    } catch (...) {
        StopAll();
        throw;
    }
}

DesktopSession::~DesktopSession() {
    StopAll();
}

void DesktopSession::StartServer() {
    // Several test processes may each start a server: Xvfb itself picks a free display.
    int displayPipe[2];
    if (pipe2(displayPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    fcntl(displayPipe[1], F_SETFD, 0);  // the server inherits the writing end
    const std::string size = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight);
    try {
        started_.push_back(
            ChildProcess::Start({{"Xvfb", "-displayfd", std::to_string(displayPipe[1]), "-screen",
                                  "0", size + "x24", "-nolisten", "tcp", "-noreset"},
                                 {},
                                 scratch_ / "xvfb.log"}));
    } catch (...) {
        close(displayPipe[0]);
        close(displayPipe[1]);
        throw;
    }
    close(displayPipe[1]);
    const std::string number = ReadDisplayNumber(displayPipe[0], started_.back());
    close(displayPipe[0]);
    if (number.empty()) {
        throw std::runtime_error("Xvfb did not start; see " + (scratch_ / "xvfb.log").string());
    }
    display_ = ":" + number;
    environment_ = {"DISPLAY=" + display_,
                    "XDG_CONFIG_HOME=" + configHome_.string(),
                    "XDG_RUNTIME_DIR=" + (scratch_ / "runtime").string(),
                    "DBUS_SESSION_BUS_ADDRESS",
                    "WAYLAND_DISPLAY",
                    "QT_QPA_PLATFORM",
                    "SESSION_MANAGER"};
    x11_ = std::make_unique<X11Connection>(display_);
}

void DesktopSession::StartDesktop() {
    started_.push_back(Launch({"openbox", "--sm-disable"}, {}, scratch_ / "openbox.log"));
    if (!WaitUntil([&] { return x11_->WindowManagerRunning(); }, kStartTimeout)) {
        throw std::runtime_error("openbox did not start");
    }
    started_.push_back(
        Launch({"trayer", "--edge", "top", "--align", "right", "--SetDockType", "true",
                "--SetPartialStrut", "true", "--expand", "true", "--widthtype", "request",
                "--height", "24", "--transparent", "false"},
               {"NO_AT_BRIDGE=1"}, scratch_ / "trayer.log"));
    if (!WaitUntil([&] { return x11_->TrayHostRunning(); }, kStartTimeout)) {
        throw std::runtime_error("trayer did not take the tray selection");
    }
    if (!x11_->WindowManagerManages(kStartTimeout)) {
        throw std::runtime_error("openbox does not manage windows");
    }
}

void DesktopSession::StopAll() noexcept {
    // The connection goes first: Xlib ends the process when its server vanishes under it.
    x11_.reset();
    while (!started_.empty()) {
        started_.back().Stop();
        started_.pop_back();
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch_, ignored);
}

EnvironmentChanges DesktopSession::FakeClock(std::string_view startTime) {
    return {"LD_PRELOAD=" TRALALINO_FAKETIME_LIBRARY, "FAKETIME=@" + std::string(startTime),
            "FAKETIME_DONT_FAKE_MONOTONIC=1"};
}

ChildProcess DesktopSession::Launch(const std::vector<std::string>& argv,
                                    const EnvironmentChanges& extra,
                                    const std::filesystem::path& output) const {
    EnvironmentChanges environment = environment_;
    environment.insert(environment.end(), extra.begin(), extra.end());
    return ChildProcess::Start({argv, environment, output});
}

std::string DesktopSession::RunTool(const std::vector<std::string>& argv) const {
    CommandResult result = RunCommand(argv, environment_);
    if (result.exitCode != 0) {
        throw std::runtime_error(argv[0] + " failed with exit code " +
                                 std::to_string(result.exitCode));
    }
    return result.output;
}

std::optional<WindowId> DesktopSession::FindWindow(pid_t pid, std::string_view titlePart,
                                                   std::chrono::milliseconds timeout) const {
    std::optional<WindowId> found;
    WaitUntil(
        [&] {
            found = x11_->FindClient(pid, titlePart);
            return found.has_value();
        },
        timeout);
    return found;
}

Geometry DesktopSession::ClientGeometry(WindowId window) const {
    return x11_->ClientGeometry(window);
}

Geometry DesktopSession::FrameGeometry(WindowId window) const {
    const Geometry client = x11_->ClientGeometry(window);
    const auto extents = x11_->FrameExtents(window);
    if (extents.size() != 4) {
        return client;
    }
    const int left = static_cast<int>(extents[0]);
    const int right = static_cast<int>(extents[1]);
    const int top = static_cast<int>(extents[2]);
    const int bottom = static_cast<int>(extents[3]);
    return {client.x - left, client.y - top, client.width + left + right,
            client.height + top + bottom};
}

bool DesktopSession::IsMapped(WindowId window) const {
    const auto attributes = x11_->Attributes(window);
    return attributes && attributes->map_state == IsViewable;
}

std::vector<std::string> DesktopSession::NetWmState(WindowId window) const {
    return x11_->NetWmState(window);
}

void DesktopSession::RequestClose(WindowId window) const {
    x11_->RequestClose(window);
}

void DesktopSession::MoveMouse(int x, int y) const {
    // xdotool's --sync waits for a motion that never comes when the pointer is there already.
    if (x11_->Pointer() == std::pair(x, y)) {
        return;
    }
    RunTool({"xdotool", "mousemove", "--sync", std::to_string(x), std::to_string(y)});
}

void DesktopSession::Press(int button) const {
    RunTool({"xdotool", "mousedown", ButtonName(button)});
}

void DesktopSession::Release(int button) const {
    RunTool({"xdotool", "mouseup", ButtonName(button)});
}

void DesktopSession::Click(int x, int y, int button, int count) const {
    MoveMouse(x, y);
    RunTool({"xdotool", "click", "--repeat", std::to_string(count), "--delay", "80",
             ButtonName(button)});
}

void DesktopSession::Drag(int fromX, int fromY, int toX, int toY, int button) const {
    MoveMouse(fromX, fromY);
    Press(button);
    MoveMouse((fromX + toX) / 2, (fromY + toY) / 2);
    MoveMouse(toX, toY);
    Release(button);
}

void DesktopSession::KeyDown(std::string_view key) const {
    RunTool({"xdotool", "keydown", std::string(key)});
}

void DesktopSession::KeyUp(std::string_view key) const {
    RunTool({"xdotool", "keyup", std::string(key)});
}

std::filesystem::path DesktopSession::Screenshot(std::string_view name) const {
    const auto path = ArtifactsDir() / (std::string(name) + ".png");
    RunTool({"import", "-window", "root", path.string()});
    return path;
}

std::filesystem::path DesktopSession::Screenshot(std::string_view name,
                                                 const Geometry& area) const {
    const auto path = ArtifactsDir() / (std::string(name) + ".png");
    RunTool({"import", "-window", "root", "-crop",
             std::to_string(area.width) + "x" + std::to_string(area.height) + "+" +
                 std::to_string(area.x) + "+" + std::to_string(area.y),
             "+repage", path.string()});
    return path;
}

std::filesystem::path DesktopSession::ArtifactsDir() {
    const std::filesystem::path folder = TRALALINO_ARTIFACTS_DIR;
    std::filesystem::create_directories(folder);
    return folder;
}

std::uint32_t DesktopSession::PixelAt(const std::filesystem::path& image, int x, int y) {
    const CommandResult result = RunCommand(
        {"convert", image.string(), "-crop", "1x1+" + std::to_string(x) + "+" + std::to_string(y),
         "+repage", "-depth", "8", "txt:-"},
        {});
    // "# ImageMagick pixel enumeration: ..." then "0,0: (153,102,51)  #996633  srgb(...)"
    const auto hash = result.output.find('#', result.output.find('\n'));
    if (result.exitCode != 0 || hash == std::string::npos) {
        throw std::runtime_error("cannot read a pixel of " + image.string());
    }
    return static_cast<std::uint32_t>(std::stoul(result.output.substr(hash + 1, 6), nullptr, 16));
}

bool DesktopSession::WaitUntil(const std::function<bool()>& condition,
                               std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace desktop
