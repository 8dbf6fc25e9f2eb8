// A form of the class library, read from a layout and shown by the Qt backend on a real X
// desktop: the window sits where the layout puts it, with the client area it asks for.
#include <gtest/gtest.h>

#include "tests/desktop/desktop_session.h"

namespace {

using namespace std::chrono_literals;

TEST(FormDesktopTest, ALayoutFormShowsWhereItsLayoutSays) {
    desktop::DesktopSession session;
    desktop::ChildProcess program = session.Launch({FORM_DEMO});
    std::optional<desktop::WindowId> window = session.FindWindow(program.Pid(), "Prova");
    ASSERT_TRUE(window);
    ASSERT_TRUE(desktop::DesktopSession::WaitUntil(
        [&] { return session.FrameGeometry(*window).x == 100; }, 5s));
    desktop::Geometry frame = session.FrameGeometry(*window);
    desktop::Geometry client = session.ClientGeometry(*window);
    EXPECT_EQ(frame.x, 100);
    EXPECT_EQ(frame.y, 80);
    EXPECT_EQ(client.width, 300);
    EXPECT_EQ(client.height, 150);
    std::filesystem::path shot = session.Screenshot("layout-form", frame);

    // The picture shows around the transparent labels: its title band, drawn from row 0 of
    // the bitmap, starts 20 rows above the client area and fills the client's top rows.
    std::uint32_t band =
        desktop::DesktopSession::PixelAt(shot, client.x - frame.x + 150, client.y - frame.y + 5);
    EXPECT_GT(band >> 16 & 0xFF, 0xD0u) << std::hex << band;  // warm orange: much red
    EXPECT_LT(band & 0xFF, 0x90u) << std::hex << band;        // little blue

    session.RequestClose(*window);
    EXPECT_EQ(program.WaitForExit(10s), 0);
}

}  // namespace
