// The fixture itself: what every desktop test relies on.
#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <fstream>

#include "tests/desktop/desktop_session.h"

namespace desktop {
namespace {

std::string FirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

bool ProcessGone(pid_t pid) {
    return kill(pid, 0) != 0 && errno == ESRCH;
}

TEST(DesktopSession, ToolsRunOnItsOwnDisplayWithAWindowManager) {
    DesktopSession session;
    EXPECT_NE(session.RunTool({"xdpyinfo"}).find("name of display:    " + session.Display()),
              std::string::npos);
    EXPECT_NE(session.RunTool({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}).find("window id"),
              std::string::npos);
}

TEST(DesktopSession, ProgramsSeeItsDisplayAndConfigFolder) {
    DesktopSession session;
    const auto output = session.ScratchDir() / "environment.txt";
    auto program = session.Launch({"sh", "-c", "echo \"$DISPLAY $XDG_CONFIG_HOME\""}, {}, output);
    ASSERT_EQ(program.WaitForExit(std::chrono::seconds(10)), 0);
    EXPECT_EQ(FirstLine(output), session.Display() + " " + session.ConfigHome().string());
}

TEST(DesktopSession, FakeClockSetsTheProgramsDate) {
    DesktopSession session;
    const auto output = session.ScratchDir() / "date.txt";
    auto program = session.Launch({"date", "+%Y-%m-%d"},
                                  DesktopSession::FakeClock("2031-07-15 10:00:00"), output);
    ASSERT_EQ(program.WaitForExit(std::chrono::seconds(10)), 0);
    EXPECT_EQ(FirstLine(output), "2031-07-15");
}

TEST(DesktopSession, ReportsExitCodesAndSignals) {
    DesktopSession session;
    auto exits = session.Launch({"sh", "-c", "exit 3"});
    EXPECT_EQ(exits.WaitForExit(std::chrono::seconds(10)), 3);
    auto sleeps = session.Launch({"sleep", "600"});
    EXPECT_EQ(sleeps.WaitForExit(std::chrono::milliseconds(50)), std::nullopt);
    EXPECT_EQ(sleeps.Stop(), 128 + SIGTERM);
}

TEST(DesktopSession, StopsWhatItStartedAndNothingElse) {
    ChildProcess bystander = ChildProcess::Start({{"sleep", "600"}, {}, {}});
    pid_t program = 0;
    std::string socket;
    std::filesystem::path scratch;
    {
        DesktopSession session;
        socket = "/tmp/.X11-unix/X" + session.Display().substr(1);
        scratch = session.ScratchDir();
        ASSERT_TRUE(std::filesystem::exists(socket));
        program = session.Launch({"sleep", "600"}).Pid();  // the temporary stops it at once
        EXPECT_TRUE(ProcessGone(program));
    }
    EXPECT_FALSE(std::filesystem::exists(socket));
    EXPECT_FALSE(std::filesystem::exists(scratch));
    EXPECT_TRUE(bystander.Running());
}

}  // namespace
}  // namespace desktop
