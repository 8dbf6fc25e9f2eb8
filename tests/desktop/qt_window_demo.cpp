// A program for the desktop tests: one window of the Qt backend, non-resizable and on top,
// painted with known colours, a picture and text, reporting every event as a line on stdout.
// A double click toggles stay-on-top; the second close request ends it with exit code 0.
#include <cstdio>

#include "platform/backend/qt/qt_backend.h"

namespace {

constexpr backend::Rgb kBackground = 0x00336699;
constexpr std::uint32_t kPictureTop = 0xFF2040E0;
constexpr std::uint32_t kPictureBottom = 0xFFE0C010;

backend::Image Picture() {
    backend::Image picture{64, 48, {}};
    for (int y = 0; y < picture.height; ++y) {
        picture.argb.insert(picture.argb.end(), picture.width,
                            y < picture.height / 2 ? kPictureTop : kPictureBottom);
    }
    return picture;
}

const char* ActionName(backend::MouseInput::Action action) {
    switch (action) {
        case backend::MouseInput::Action::Press:
            return "press";
        case backend::MouseInput::Action::Release:
            return "release";
        case backend::MouseInput::Action::Move:
            return "move";
        case backend::MouseInput::Action::DoubleClick:
            return "doubleclick";
    }
    return "?";
}

const char* ButtonName(backend::MouseButton button) {
    switch (button) {
        case backend::MouseButton::None:
            return "none";
        case backend::MouseButton::Left:
            return "left";
        case backend::MouseButton::Right:
            return "right";
        case backend::MouseButton::Middle:
            return "middle";
    }
    return "?";
}

class DemoWindow final : public backend::WindowEvents {
public:
    explicit DemoWindow(backend::Backend& backend) : window_(backend.CreateWindow(*this)) {
        window_->SetCaption("Tralalino prova");
        window_->SetStyle(style_);
        window_->SetClientSize(512, 256);
        window_->SetFramePosition({235, 235});
        window_->SetVisible(true);
    }

    bool Done() const { return closeRequests_ >= 2; }

    void Paint(backend::Canvas& canvas, const backend::Rect&) override {
        canvas.FillRect({0, 0, 512, 256}, kBackground);
        canvas.DrawImage({16, 16, 128, 96}, picture_);
        canvas.DrawText({160, 24}, "Ciao! \xC8 una barzelletta: perch\xE9?", {"Comic Sans MS", 24},
                        0x00000000);
        canvas.DrawText({160, 72}, "Avanti && Esci (MS Sans Serif)", {"MS Sans Serif", 13, true},
                        0x00FFFFFF);
        const backend::FrameMargins frame = window_->Frame();
        std::printf("painted %d %d %d %d\n", frame.left, frame.top, frame.right, frame.bottom);
    }

    void Mouse(const backend::MouseInput& input) override {
        std::printf("%s %s %u %d %d\n", ActionName(input.action), ButtonName(input.button),
                    input.state, input.client.x, input.client.y);
        if (input.action == backend::MouseInput::Action::DoubleClick) {
            style_.stayOnTop = !style_.stayOnTop;
            window_->SetStyle(style_);
            std::printf("stayOnTop %d\n", style_.stayOnTop ? 1 : 0);
        }
    }

    void MouseLeft() override { std::printf("left\n"); }
    void CloseRequested() override { std::printf("close %d\n", ++closeRequests_); }
    void Activated() override { std::printf("activated\n"); }
    void Moved(backend::Point frameTopLeft) override {
        std::printf("moved %d %d\n", frameTopLeft.x, frameTopLeft.y);
    }

private:
    backend::WindowStyle style_{.maximizeBox = false, .resizable = false, .stayOnTop = true};
    backend::Image picture_ = Picture();
    std::unique_ptr<backend::NativeWindow> window_;
    int closeRequests_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const auto backend = CreateQtBackend(argc, argv);
    DemoWindow window(*backend);
    while (!window.Done()) {
        backend->WaitForEvents();
    }
    return 0;
}
