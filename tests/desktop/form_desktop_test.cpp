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
    // The picture shows unscaled around the transparent labels, from 40 columns and 20 rows
    // above and left of the client area: the screen gets the bitmap's own pixels.
    auto showsPicture = [&] {
        std::filesystem::path shot = session.Screenshot("layout-form", frame);
        for (auto [x, y] : {std::pair{250, 5}, std::pair{20, 140}, std::pair{150, 40}}) {
            if (desktop::DesktopSession::PixelAt(shot, client.x - frame.x + x,
                                                 client.y - frame.y + y) !=
                desktop::DesktopSession::PixelAt(BACKGROUND_BMP, x + 40, y + 20)) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(desktop::DesktopSession::WaitUntil(showsPicture, 5s));

    session.RequestClose(*window);
    EXPECT_EQ(program.WaitForExit(10s), 0);
}

}  // namespace
