#include "platform/backend/headless/headless_backend.h"

#include <algorithm>
#include <utility>

namespace backend {

namespace {

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(HeadlessWindow& window) : window_(window) {}
    void SetClip(const Rect&) override {}
    void FillRect(const Rect&, Rgb) override {}
    void DrawImage(const Rect& dest, const Image&) override { window_.images.push_back(dest); }
    void DrawText(Point origin, std::string_view text, const FontSpec& font, Rgb colour) override {
        window_.texts.push_back({origin, std::string(text), font, colour});
    }

private:
    HeadlessWindow& window_;
};

class HeadlessCursor : public NativeCursor {
public:
    explicit HeadlessCursor(const CursorImage& image) : image(image) {}
    CursorImage image;
};

}  // namespace

int HeadlessBackend::CharWidth(const FontSpec& font) {
    return std::max(1, font.pixelSize / 2) + (font.bold ? 1 : 0);
}

int HeadlessBackend::LineHeightOf(const FontSpec& font) {
    return font.pixelSize + font.pixelSize / 4;
}

std::unique_ptr<NativeWindow> HeadlessBackend::CreateWindow(WindowEvents& events) {
    return std::make_unique<HeadlessWindow>(*this, events);
}

int HeadlessBackend::TextWidth(const FontSpec& font, std::string_view text) {
    return static_cast<int>(text.size()) * CharWidth(font);
}

CursorHandle HeadlessBackend::CreateCursor(const CursorImage& image) {
    return std::make_shared<HeadlessCursor>(image);
}

void HeadlessBackend::ShowHint(std::string_view text, Point screen, int hideAfterMs) {
    hint = text;
    hintAt = screen;
    hintHideAfter = hideAfterMs;
}

std::vector<int> HeadlessBackend::PopupMenu(const std::vector<MenuEntry>& items, Point screen) {
    menus.push_back({items, screen});
    if (menuChoices.empty()) {
        return {};
    }
    std::vector<int> choice = menuChoices.front();
    menuChoices.pop_front();
    return choice;
}

void HeadlessBackend::MessageBox(std::string_view caption, std::string_view text,
                                 MessageIcon icon) {
    messages.push_back({std::string(caption), std::string(text), icon});
    if (whileMessageBox) {
        auto action = std::exchange(whileMessageBox, nullptr);
        action();
    }
}

int HeadlessBackend::StartTimer(int milliseconds, std::function<void()> callback) {
    int id = nextTimer_++;
    timers[id] = {milliseconds, std::move(callback)};
    return id;
}

bool HeadlessBackend::WaitForEvents() {
    if (pendingPump) {
        std::exchange(pendingPump, nullptr)();
        return true;
    }
    if (script.empty()) {
        return false;
    }
    auto step = std::move(script.front());
    script.pop_front();
    step();
    return true;
}

void HeadlessBackend::ProcessPendingEvents() {
    if (pendingPump) {
        std::exchange(pendingPump, nullptr)();
    }
}

HeadlessWindow* HeadlessBackend::WindowOf(const WindowEvents& events) const {
    for (HeadlessWindow* window : windows) {
        if (&window->Events() == &events) {
            return window;
        }
    }
    return nullptr;
}

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, WindowEvents& events)
    : backend_(backend), events_(events) {
    backend_.windows.push_back(this);
}

HeadlessWindow::~HeadlessWindow() {
    std::erase(backend_.windows, this);
}

void HeadlessWindow::SetClientSize(int width, int height) {
    clientWidth = width;
    clientHeight = height;
}

void HeadlessWindow::RepaintNow(const Rect& area) {
    repainted.push_back(area);
    PaintAll();
}

void HeadlessWindow::PaintAll() {
    texts.clear();
    images.clear();
    RecordingCanvas canvas(*this);
    events_.Paint(canvas, {0, 0, clientWidth, clientHeight});
}

void HeadlessWindow::Send(MouseInput::Action action, MouseButton button, int x, int y) {
    unsigned bit = button == MouseButton::Left     ? unsigned{kLeftHeld}
                   : button == MouseButton::Right  ? kRightHeld
                   : button == MouseButton::Middle ? kMiddleHeld
                                                   : 0u;
    if (action == MouseInput::Action::Press) {
        held_ |= bit;
    } else if (action == MouseInput::Action::Release) {
        held_ &= ~bit;
    }
    backend_.cursor = {position.x + HeadlessBackend::kFrame.left + x,
                       position.y + HeadlessBackend::kFrame.top + y};
    events_.Mouse({action, button, held_, {x, y}});
}

void HeadlessWindow::Press(int x, int y, MouseButton button) {
    Send(MouseInput::Action::Press, button, x, y);
}

void HeadlessWindow::MoveTo(int x, int y) {
    Send(MouseInput::Action::Move, MouseButton::None, x, y);
}

void HeadlessWindow::Release(int x, int y, MouseButton button) {
    Send(MouseInput::Action::Release, button, x, y);
}

void HeadlessWindow::Click(int x, int y, MouseButton button) {
    Press(x, y, button);
    Release(x, y, button);
}

void HeadlessWindow::Leave() {
    events_.MouseLeft();
}

void HeadlessWindow::MovedTo(Point topLeft) {
    position = topLeft;
    events_.Moved(topLeft);
}

}  // namespace backend
