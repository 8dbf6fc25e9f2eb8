// A deterministic, in-memory window system for unit tests: fixed text metrics, recorded
// drawing and requests, mouse input and menu choices injected by the test, and an event loop
// that runs a script of the test's own.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/backend/backend.h"

namespace backend {

class HeadlessWindow;

struct DrawnText {
    Point origin;
    std::string text;
    FontSpec font;
    Rgb colour;
};

class HeadlessBackend : public Backend {
public:
    // Every character is this wide: half the pixel size, one more when bold.
    static int CharWidth(const FontSpec& font);
    // Lines are the pixel size plus a quarter of it.
    static int LineHeightOf(const FontSpec& font);
    static constexpr FrameMargins kFrame{4, 24, 4, 4};

    std::unique_ptr<NativeWindow> CreateWindow(WindowEvents& events) override;
    int TextWidth(const FontSpec& font, std::string_view text) override;
    int LineHeight(const FontSpec& font) override { return LineHeightOf(font); }
    int ScreenWidth() override { return 1024; }
    int ScreenHeight() override { return 768; }
    Point CursorPos() override { return cursor; }
    CursorHandle CreateCursor(const CursorImage& image) override;
    void ShowHint(std::string_view text, Point screen, int hideAfterMs) override;
    void HideHint() override { hint.clear(); }
    std::vector<int> PopupMenu(const std::vector<MenuEntry>& items, Point screen) override;
    void MessageBox(std::string_view caption, std::string_view text, MessageIcon icon) override;
    bool OpenDocument(std::string_view target) override {
        opened.emplace_back(target);
        return opensDocuments;
    }
    int StartTimer(int milliseconds, std::function<void()> callback) override;
    void StopTimer(int id) override { timers.erase(id); }
    bool WaitForEvents() override;
    void ProcessPendingEvents() override;
    void RequestPump(std::function<void()> pump) override { pendingPump = std::move(pump); }

    // The windows created so far, oldest first; destroyed ones are gone.
    std::vector<HeadlessWindow*> windows;
    // The window that reports to these events; null when it has none.
    HeadlessWindow* WindowOf(const WindowEvents& events) const;

    // What the loop runs, one step per WaitForEvents; the loop stops when it is used up.
    std::deque<std::function<void()>> script;

    // For each popup, the path of the item to choose; none left: nothing chosen.
    std::deque<std::vector<int>> menuChoices;
    struct ShownMenu {
        std::vector<MenuEntry> items;
        Point at;
    };
    std::vector<ShownMenu> menus;
    // Runs while a message box is up, as a nested loop would run other handlers.
    std::function<void()> whileMessageBox;

    struct ShownMessage {
        std::string caption;
        std::string text;
        MessageIcon icon;
    };
    std::vector<ShownMessage> messages;
    std::vector<std::string> opened;
    bool opensDocuments = true;  // whether the desktop has an opener for what is asked
    std::string hint;
    Point hintAt;
    int hintHideAfter = 0;
    std::map<int, std::pair<int, std::function<void()>>> timers;  // id: (ms, callback)
    Point cursor;
    std::function<void()> pendingPump;

private:
    friend class HeadlessWindow;
    int nextTimer_ = 1;
};

// A recorded native window, driven by tests.
class HeadlessWindow : public NativeWindow {
public:
    HeadlessWindow(HeadlessBackend& backend, WindowEvents& events);
    ~HeadlessWindow() override;

    void SetCaption(std::string_view text) override { caption = text; }
    void SetStyle(const WindowStyle& s) override { style = s; }
    void SetIcon(const Image& image) override { icon = image; }
    void SetFramePosition(Point topLeft) override { position = topLeft; }
    void SetClientSize(int width, int height) override;
    FrameMargins Frame() const override { return HeadlessBackend::kFrame; }
    void SetVisible(bool v) override { visible = v; }
    void SetEnabled(bool e) override { enabled = e; }
    void Activate() override { ++activations; }
    void Invalidate(const Rect& area) override { invalidated.push_back(area); }
    void RepaintNow(const Rect& area) override;
    void SetCursor(const CursorHandle& c) override { cursor = c; }

    // Paints the whole client area now and keeps what was drawn.
    void PaintAll();

    // Mouse input as the window system would report it, in client coordinates.
    void Press(int x, int y, MouseButton button = MouseButton::Left);
    void MoveTo(int x, int y);
    void Release(int x, int y, MouseButton button = MouseButton::Left);
    void Click(int x, int y, MouseButton button = MouseButton::Left);
    void Leave();
    void Close() { events_.CloseRequested(); }
    const WindowEvents& Events() const { return events_; }
    // The window manager moved the frame.
    void MovedTo(Point topLeft);

    std::string caption;
    WindowStyle style;
    Image icon;
    Point position;
    int clientWidth = 0;
    int clientHeight = 0;
    bool visible = false;
    bool enabled = true;
    int activations = 0;
    CursorHandle cursor;
    std::vector<Rect> invalidated;
    std::vector<Rect> repainted;   // areas painted at once
    std::vector<DrawnText> texts;  // from the last paint
    std::vector<Rect> images;      // destinations of images in the last paint

private:
    void Send(MouseInput::Action action, MouseButton button, int x, int y);

    HeadlessBackend& backend_;
    WindowEvents& events_;
    unsigned held_ = 0;
};

}  // namespace backend
