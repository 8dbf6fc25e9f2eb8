// The real program on a private desktop: the joke window comes up by itself, where and how it
// should, answers its arrow and follows a drag of its picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "tests/desktop/desktop_session.h"

namespace {

using namespace std::chrono_literals;

// Joke 28 of the collection is the joke of the day at this time; joke 128, the longest, at the
// second.
constexpr const char* kJoke28Time = "2001-09-09 01:46:40";
constexpr const char* kLongestJokeTime = "2001-09-09 07:00:27";

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class JokeWindowDesktopTest : public ::testing::Test {
protected:
    desktop::ChildProcess Start(const char* time) {
        desktop::EnvironmentChanges environment = desktop::DesktopSession::FakeClock(time);
        environment.push_back("TZ=UTC");
        return session.Launch({TRALALINO_EXECUTABLE}, environment,
                              session.ScratchDir() / "tralalino.log");
    }

    desktop::WindowId JokeWindow(const desktop::ChildProcess& program) {
        std::optional<desktop::WindowId> window = session.FindWindow(program.Pid(), "Tralalino! ");
        if (!window) {
            throw std::runtime_error("the joke window did not come up");
        }
        return *window;
    }

    // Waits until the window shows its background: a point right of the category caption.
    bool Painted(desktop::WindowId window) {
        return desktop::DesktopSession::WaitUntil(
            [&] {
                desktop::Geometry client = session.ClientGeometry(window);
                std::filesystem::path shot = session.Screenshot("joke-window-painted", client);
                return desktop::DesktopSession::PixelAt(shot, 480, 75) ==
                       desktop::DesktopSession::PixelAt(BACKGROUND_BMP, 480, 75);
            },
            5s);
    }

    // A slow drag, so that each move reaches the window after the previous one has moved it.
    void SlowDrag(int fromX, int fromY, int dx, int dy) {
        session.MoveMouse(fromX, fromY);
        session.Press(1);
        for (int step = 1; step <= 4; ++step) {
            std::this_thread::sleep_for(150ms);
            session.MoveMouse(fromX + dx * step / 4, fromY + dy * step / 4);
        }
        std::this_thread::sleep_for(300ms);
        session.Release(1);
    }

    desktop::DesktopSession session;
};

TEST_F(JokeWindowDesktopTest, ComesUpByItselfOnTopAtItsPlace) {
    desktop::ChildProcess program = Start(kJoke28Time);
    desktop::WindowId window = JokeWindow(program);

    ASSERT_TRUE(desktop::DesktopSession::WaitUntil(
        [&] { return session.FrameGeometry(window).x == 235; }, 5s));
    desktop::Geometry frame = session.FrameGeometry(window);
    desktop::Geometry client = session.ClientGeometry(window);
    EXPECT_EQ(frame.x, 235);
    EXPECT_EQ(frame.y, 235);
    EXPECT_EQ(client.width, 512);
    EXPECT_EQ(client.height, 256);
    std::vector<std::string> state = session.NetWmState(window);
    EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_ABOVE"), state.end());
    EXPECT_NE(std::find(state.begin(), state.end(), "_NET_WM_STATE_SKIP_TASKBAR"), state.end());

    // The main window was shown off the screen for a moment and is hidden for good.
    std::this_thread::sleep_for(500ms);
    std::istringstream mapped(session.RunTool(
        {"xdotool", "search", "--onlyvisible", "--pid", std::to_string(program.Pid())}));
    std::vector<std::string> windows{std::istream_iterator<std::string>(mapped), {}};
    EXPECT_EQ(windows, std::vector<std::string>{std::to_string(window)});

    ASSERT_TRUE(Painted(window));
    session.Screenshot("joke-window", frame);
    EXPECT_TRUE(program.Running());
}

TEST_F(JokeWindowDesktopTest, TheArrowChangesTheJokeAndThePictureDragsTheWindow) {
    desktop::ChildProcess program = Start(kJoke28Time);
    desktop::WindowId window = JokeWindow(program);
    ASSERT_TRUE(desktop::DesktopSession::WaitUntil(
        [&] { return session.ClientGeometry(window).x > 235; }, 5s));
    ASSERT_TRUE(Painted(window));
    desktop::Geometry client = session.ClientGeometry(window);
    desktop::Geometry text{client.x + 8, client.y + 64, 497, 150};
    std::string before = FileBytes(session.Screenshot("joke-28", text));

    session.Click(client.x + 318, client.y + 238);  // ">"
    EXPECT_TRUE(desktop::DesktopSession::WaitUntil(
        [&] { return FileBytes(session.Screenshot("joke-29", text)) != before; }, 5s))
        << "the joke did not change";

    desktop::Geometry frame = session.FrameGeometry(window);
    SlowDrag(client.x + 100, client.y + 150, 60, 40);
    EXPECT_TRUE(desktop::DesktopSession::WaitUntil(
        [&] {
            desktop::Geometry moved = session.FrameGeometry(window);
            return moved.x == frame.x + 60 && moved.y == frame.y + 40;
        },
        5s))
        << "frame at " << session.FrameGeometry(window).x << "," << session.FrameGeometry(window).y;
}

TEST_F(JokeWindowDesktopTest, TheLongestJokeWrapsWithItsAuthorUnderIt) {
    desktop::ChildProcess program = Start(kLongestJokeTime);
    desktop::WindowId window = JokeWindow(program);
    ASSERT_TRUE(desktop::DesktopSession::WaitUntil(
        [&] { return session.FrameGeometry(window).x == 235; }, 5s));
    ASSERT_TRUE(Painted(window));
    session.Screenshot("longest-joke", session.FrameGeometry(window));
    EXPECT_TRUE(program.Running());
}

}  // namespace
