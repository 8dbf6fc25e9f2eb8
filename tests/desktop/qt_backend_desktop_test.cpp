// The Qt backend on a real X desktop: a window of qt_window_demo, and text metrics in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/backend/qt/qt_backend.h"
#include "tests/desktop/desktop_session.h"

namespace desktop {
namespace {

constexpr int kFrameLeft = 235;
constexpr int kFrameTop = 235;

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The demo window, shown and painted, with the lines it printed.
class QtWindowDemo : public ::testing::Test {
protected:
    void SetUp() override {
        const auto found = session_.FindWindow(demo_.Pid(), "Tralalino prova");
        ASSERT_TRUE(found) << "the demo showed no window";
        window_ = *found;
        ASSERT_TRUE(WaitForLineStartingWith("painted "));
    }

    std::vector<std::string> Lines() const {
        std::ifstream in(log_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    bool WaitForLine(const std::string& expected) const {
        return DesktopSession::WaitUntil([&] { return Contains(Lines(), expected); });
    }

    bool WaitForLineStartingWith(const std::string& prefix) const {
        return DesktopSession::WaitUntil([&] {
            const auto lines = Lines();
            return std::any_of(lines.begin(), lines.end(),
                               [&](const std::string& line) { return line.starts_with(prefix); });
        });
    }

    std::string LastLineStartingWith(const std::string& prefix) const {
        std::string found;
        for (const std::string& line : Lines()) {
            if (line.starts_with(prefix)) {
                found = line;
            }
        }
        return found;
    }

    // A screen point at client coordinates of the demo window.
    std::pair<int, int> OnScreen(int clientX, int clientY) const {
        const Geometry client = session_.ClientGeometry(window_);
        return {client.x + clientX, client.y + clientY};
    }

    void ClickClient(int clientX, int clientY, int button = 1, int count = 1) const {
        const auto [x, y] = OnScreen(clientX, clientY);
        session_.Click(x, y, button, count);
    }

    DesktopSession session_;
    std::filesystem::path log_ = session_.ScratchDir() / "demo.log";
    ChildProcess demo_ = session_.Launch({QT_WINDOW_DEMO}, {}, log_);
    WindowId window_ = 0;
};

TEST_F(QtWindowDemo, FrameGoesWhereAskedAroundTheClientSize) {
    const Geometry frame = session_.FrameGeometry(window_);
    const Geometry client = session_.ClientGeometry(window_);
    EXPECT_EQ(frame.x, kFrameLeft);
    EXPECT_EQ(frame.y, kFrameTop);
    EXPECT_EQ(client.width, 512);
    EXPECT_EQ(client.height, 256);
    // The window manager really framed it, and the window knows that frame.
    EXPECT_GT(client.y, frame.y);
    std::ostringstream margins;
    margins << "painted " << client.x - frame.x << " " << client.y - frame.y << " "
            << frame.x + frame.width - client.x - client.width << " "
            << frame.y + frame.height - client.y - client.height;
    EXPECT_EQ(LastLineStartingWith("painted "), margins.str());
    session_.Screenshot("qt_window_demo_desktop");
}

TEST_F(QtWindowDemo, IsMappedOnTopAndOutOfTaskbars) {
    EXPECT_TRUE(session_.IsMapped(window_));
    const auto state = session_.NetWmState(window_);
    EXPECT_TRUE(Contains(state, "_NET_WM_STATE_ABOVE"));
    EXPECT_TRUE(Contains(state, "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_TRUE(Contains(state, "_NET_WM_STATE_SKIP_PAGER"));
}

TEST_F(QtWindowDemo, PaintsColoursPictureAndText) {
    const auto shot = session_.Screenshot("qt_window_demo", session_.ClientGeometry(window_));
    struct Sample {
        const char* what;
        int x;
        int y;
        std::uint32_t rgb;
    };
    const Sample samples[] = {
        {"background, from 0x00BBGGRR", 300, 200, 0x996633},
        {"picture's top half, from 0xAARRGGBB", 20, 20, 0x2040E0},
        {"picture's bottom half, drawn scaled to twice its size", 16 + 127, 16 + 95, 0xE0C010},
        {"background right of the scaled picture", 16 + 129, 16 + 95, 0x996633},
    };
    for (const Sample& sample : samples) {
        EXPECT_EQ(DesktopSession::PixelAt(shot, sample.x, sample.y), sample.rgb) << sample.what;
    }
}

TEST_F(QtWindowDemo, ReportsMouseInClientCoordinatesWithHeldState) {
    struct Case {
        const char* modifier;  // held on the keyboard, or null
        int button;
        std::string name;
        unsigned pressState;
    };
    const Case cases[] = {
        {nullptr, 1, "left", 8},     {nullptr, 3, "right", 16},  {nullptr, 2, "middle", 32},
        {"shift", 1, "left", 1 | 8}, {"ctrl", 1, "left", 4 | 8},
    };
    int x = 200;
    for (const Case& test : cases) {
        x += 20;
        if (test.modifier != nullptr) {
            session_.KeyDown(test.modifier);
        }
        ClickClient(x, 150, test.button);
        if (test.modifier != nullptr) {
            session_.KeyUp(test.modifier);
        }
        const std::string at = " " + std::to_string(x) + " 150";
        EXPECT_TRUE(WaitForLine("press " + test.name + " " + std::to_string(test.pressState) + at))
            << test.name << " with " << (test.modifier ? test.modifier : "nothing");
        EXPECT_TRUE(
            WaitForLine("release " + test.name + " " + std::to_string(test.pressState & 7) + at));
    }
}

TEST_F(QtWindowDemo, DragReportsTheHeldButtonAndLeavingReportsOnce) {
    const auto [fromX, fromY] = OnScreen(40, 200);
    const auto [toX, toY] = OnScreen(140, 220);
    session_.Drag(fromX, fromY, toX, toY);
    EXPECT_TRUE(WaitForLine("press left 8 40 200"));
    EXPECT_TRUE(WaitForLine("move none 8 90 210"));
    EXPECT_TRUE(WaitForLine("release left 0 140 220"));
    session_.MoveMouse(5, 5);
    EXPECT_TRUE(WaitForLine("left"));
}

TEST_F(QtWindowDemo, MovedByTheWindowManagerReportsTheFramePosition) {
    session_.RunTool({"xdotool", "windowmove", std::to_string(window_), "300", "200"});
    EXPECT_TRUE(WaitForLine("moved 300 200"));
    EXPECT_EQ(session_.FrameGeometry(window_).x, 300);
    EXPECT_EQ(session_.FrameGeometry(window_).y, 200);
}

TEST_F(QtWindowDemo, StyleChangeKeepsItShownInPlaceAndOutOfTaskbars) {
    for (const bool onTop : {false, true}) {
        ClickClient(400, 220, 1, 2);
        ASSERT_TRUE(WaitForLine("stayOnTop " + std::to_string(onTop ? 1 : 0)));
        const auto found = session_.FindWindow(demo_.Pid(), "Tralalino prova");
        ASSERT_TRUE(found);
        EXPECT_TRUE(DesktopSession::WaitUntil([&] {
            return Contains(session_.NetWmState(*found), "_NET_WM_STATE_ABOVE") == onTop;
        })) << "on top: "
            << onTop;
        const auto state = session_.NetWmState(*found);
        EXPECT_TRUE(Contains(state, "_NET_WM_STATE_SKIP_TASKBAR"));
        EXPECT_TRUE(Contains(state, "_NET_WM_STATE_SKIP_PAGER"));
        const Geometry frame = session_.FrameGeometry(*found);
        EXPECT_EQ(frame.x, kFrameLeft);
        EXPECT_EQ(frame.y, kFrameTop);
        window_ = *found;
    }
}

TEST_F(QtWindowDemo, CloseBoxAsksTheProgramInsteadOfClosing) {
    session_.RequestClose(window_);
    ASSERT_TRUE(WaitForLine("close 1"));
    // A click served after the close request proves the window was not hidden by it.
    ClickClient(30, 230);
    ASSERT_TRUE(WaitForLine("release left 0 30 230"));
    EXPECT_TRUE(session_.IsMapped(window_));
    session_.RequestClose(window_);
    EXPECT_EQ(demo_.WaitForExit(std::chrono::seconds(10)), 0);
}

// A backend in the test process itself, on the session's display.
std::unique_ptr<backend::Backend> BackendOnTheDesktop(const DesktopSession& session) {
    for (const std::string& change : session.Environment()) {
        const auto equals = change.find('=');
        if (equals == std::string::npos) {
            unsetenv(change.c_str());
        } else {
            setenv(change.substr(0, equals).c_str(), change.substr(equals + 1).c_str(), 1);
        }
    }
    static char name[] = "qt_backend_desktop_test";
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    return CreateQtBackend(argc, argv);
}

// Text metrics come from the installed substitutes of the Windows faces.
TEST(QtTextMetrics, WindowsFacesMeasureAsTheirSubstitutes) {
    DesktopSession session;
    const auto backend = BackendOnTheDesktop(session);
    const std::string text = "Perch\xE9 il pollo attravers\xF2 la strada?";
    struct Case {
        const char* requested;
        const char* installed;
        const char* otherwise;  // what an unsubstituted name would fall back to
    };
    const Case cases[] = {
        {"Comic Sans MS", "Comic Neue", "DejaVu Sans"},
        {"comic sans ms", "Comic Neue", "DejaVu Sans"},
        {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"},
    };
    for (const Case& test : cases) {
        for (const bool bold : {false, true}) {
            const backend::FontSpec requested{test.requested, 17, bold};
            const backend::FontSpec installed{test.installed, 17, bold};
            const backend::FontSpec otherwise{test.otherwise, 17, bold};
            EXPECT_EQ(backend->TextWidth(requested, text), backend->TextWidth(installed, text))
                << test.requested << (bold ? " bold" : "");
            EXPECT_NE(backend->TextWidth(requested, text), backend->TextWidth(otherwise, text))
                << test.requested << (bold ? " bold" : "");
            EXPECT_EQ(backend->LineHeight(requested), backend->LineHeight(installed));
        }
    }
}

// The menu is driven from the keyboard once it shows; a pump requested meanwhile is served
// from the menu's own loop.
TEST(QtPopupMenu, ReturnsThePathOfTheChosenEntryAndServesPumpsMeanwhile) {
    DesktopSession session;
    const auto backend = BackendOnTheDesktop(session);
    const auto item = [](std::string caption) {
        backend::MenuEntry entry;
        entry.caption = std::move(caption);
        return entry;
    };
    std::vector<backend::MenuEntry> entries = {item("&Primo"), item(""), item("Secondo && terzo"),
                                               item("Altro")};
    entries[1].separator = true;
    entries[2].checked = true;
    entries[3].items = {item("Uno"), item("Due")};
    std::optional<ChildProcess> keyboard;
    bool pumped = false;
    backend->StartTimer(0, [&] {
        backend->RequestPump([&] { pumped = true; });
        keyboard = session.Launch(
            {"sh", "-c",
             "xdotool search --sync --onlyvisible --classname qt_backend_desktop_test >/dev/null"
             " && xdotool key Down Down Down Right Down Return"});
    });
    const std::vector<int> chosen = backend->PopupMenu(entries, {100, 100});
    EXPECT_EQ(chosen, (std::vector<int>{3, 1}));
    EXPECT_TRUE(pumped);
    ASSERT_TRUE(keyboard);
    EXPECT_EQ(keyboard->WaitForExit(std::chrono::seconds(10)), 0);
}

}  // namespace
}  // namespace desktop
