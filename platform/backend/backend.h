// The seam between the class library and a window system. The class library does layout,
// hit-testing, capture, hints and the message queue itself; a backend only provides native
// top-level windows, drawing, text measurement and the few desktop services below.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace backend {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// 0x00BBGGRR, as the class library's colours.
using Rgb = std::uint32_t;

// Pixels in rows from the top, each 0xAARRGGBB.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// A two-colour cursor; each pixel is one of the values of Pixel.
struct CursorImage {
    enum Pixel : std::uint8_t { Transparent = 0, Black = 1, White = 2, Invert = 3 };
    int width = 0;
    int height = 0;
    Point hotSpot;
    std::vector<std::uint8_t> pixels;
};

struct FontSpec {
    std::string name;    // the face the program asks for; the backend substitutes
    int pixelSize = 13;  // character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontSpec&) const = default;
};

enum class MouseButton { None, Left, Right, Middle };

// Bits of what is held while a mouse event happens.
enum InputState : unsigned {
    kShift = 1,
    kAlt = 2,
    kCtrl = 4,
    kLeftHeld = 8,
    kRightHeld = 16,
    kMiddleHeld = 32,
};

struct MouseInput {
    enum class Action { Press, Release, Move, DoubleClick };
    Action action = Action::Move;
    MouseButton button = MouseButton::None;  // the button pressed or released
    unsigned state = 0;                      // InputState bits, buttons held during a move
    Point client;                            // in the window's client coordinates
};

// Drawing on a window's client area during a paint; coordinates are client coordinates.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SetClip(const Rect& clip) = 0;
    virtual void FillRect(const Rect& area, Rgb colour) = 0;
    // Draws the image scaled to dest (dest has the image's size when drawn unscaled).
    virtual void DrawImage(const Rect& dest, const Image& image) = 0;
    // Draws one line of Windows-1252 text with its line box's top-left at origin.
    virtual void DrawText(Point origin, std::string_view text, const FontSpec& font,
                          Rgb colour) = 0;
};

struct WindowStyle {
    bool titleBar = true;
    bool systemMenu = true;  // the close box
    bool minimizeBox = true;
    bool maximizeBox = true;
    bool resizable = true;
    bool stayOnTop = false;
    bool operator==(const WindowStyle&) const = default;
};

// The size of the frame the window manager puts around the client area.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// What a native window reports; implemented by the class library's forms.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void Paint(Canvas& canvas, const Rect& dirty) = 0;
    virtual void Mouse(const MouseInput& input) = 0;
    virtual void MouseLeft() = 0;                // the pointer left the client area
    virtual void CloseRequested() = 0;           // close box, system menu or its shortcut
    virtual void Activated() = 0;                // the window became the active window
    virtual void Moved(Point frameTopLeft) = 0;  // moved by the user or the window manager
};

class NativeCursor {
public:
    virtual ~NativeCursor() = default;
};
using CursorHandle = std::shared_ptr<const NativeCursor>;  // null: the default arrow

// A top-level window. It never shows in the taskbar. It is created hidden.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;
    virtual void SetCaption(std::string_view text) = 0;  // Windows-1252
    virtual void SetStyle(const WindowStyle& style) = 0;
    virtual void SetIcon(const Image& icon) = 0;
    virtual void SetFramePosition(Point topLeft) = 0;  // outer frame's top-left on the screen
    virtual void SetClientSize(int width, int height) = 0;
    virtual FrameMargins Frame() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;  // a disabled window takes no input
    virtual void Activate() = 0;
    virtual void Invalidate(const Rect& area) = 0;  // painted later, from the event loop
    virtual void RepaintNow(const Rect& area) = 0;  // painted before this returns
    virtual void SetCursor(const CursorHandle& cursor) = 0;
};

struct MenuEntry {
    std::string caption;  // Windows-1252; "&" marks an access key, "&&" is one ampersand
    bool separator = false;
    bool checked = false;
    std::vector<MenuEntry> items;
};

enum class MessageIcon { None, Error, Warning, Information, Question };

class Backend {
public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<NativeWindow> CreateWindow(WindowEvents& events) = 0;

    virtual int TextWidth(const FontSpec& font, std::string_view text) = 0;
    virtual int LineHeight(const FontSpec& font) = 0;

    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    virtual Point CursorPos() = 0;

    virtual CursorHandle CreateCursor(const CursorImage& image) = 0;

    // A hint popup for the pointer at a screen point, placed below it; it hides itself after
    // hideAfterMs.
    virtual void ShowHint(std::string_view text, Point screen, int hideAfterMs) = 0;
    virtual void HideHint() = 0;

    // Shows the menu at a screen point and returns when it has closed: the index path of the
    // chosen item, empty when nothing was chosen. Other events are served meanwhile.
    virtual std::vector<int> PopupMenu(const std::vector<MenuEntry>& items, Point screen) = 0;

    // An application-modal box with one OK button; returns when it is dismissed.
    virtual void MessageBox(std::string_view caption, std::string_view text, MessageIcon icon) = 0;

    // Opens a web address or a local file with the desktop's opener; false when no opener
    // took it.
    virtual bool OpenDocument(std::string_view target) = 0;

    // A single-shot timer; its callback runs from the event loop.
    virtual int StartTimer(int milliseconds, std::function<void()> callback) = 0;
    virtual void StopTimer(int id) = 0;

    // Blocks until at least one native event (or a requested pump) has been served. False when
    // no event can come any more (a scripted backend that ran out of script).
    virtual bool WaitForEvents() = 0;
    // Serves the native events already waiting, without blocking.
    virtual void ProcessPendingEvents() = 0;
    // Asks the backend to call pump once from its event loop soon, also inside nested native
    // loops (popup menus, message boxes), so that posted messages are never stuck behind them.
    virtual void RequestPump(std::function<void()> pump) = 0;
};

}  // namespace backend
