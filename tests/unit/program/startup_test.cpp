#include "tests/unit/program/program_fixture.h"

namespace {

TEST_F(ProgramTest, StartUpCreatesTheWindowsInOrderAndCountsTheJokes) {
    EXPECT_EQ(app.Title, "VD Ferlocchi");
    EXPECT_EQ(app.MainForm(), Form1);
    ASSERT_EQ(app.ComponentCount(), 3);
    EXPECT_EQ(app.Components(0), Form1);
    EXPECT_EQ(app.Components(1), Report);
    EXPECT_EQ(app.Components(2), Form2);

    EXPECT_EQ(Form1->TotalJokes, 355);
    EXPECT_EQ(Form1->CurrentJoke, 0) << "no joke before the first show";
    EXPECT_EQ(Form1->Left(), -5000);
    EXPECT_FALSE(Report->Visible());
    EXPECT_EQ(app.HintPause, 0);
    EXPECT_EQ(app.HintShortPause, 0);
    EXPECT_EQ(app.HintHidePause, 10000);

    // 14 categories in front of the 11 designed items.
    TMenuItem* items = Form1->Popup->Items();
    ASSERT_EQ(items->Count(), 25);
    EXPECT_EQ(items->Items(0)->Caption, "Battute Cattive");
    EXPECT_EQ(items->Items(4)->Caption, "Computer && Internet");
    EXPECT_EQ(items->Items(13)->Caption, "Televisione");
    const std::vector<TMenuItem*> designed = {Form1->N3,
                                              Form1->Autoload1,
                                              Form1->ItemLegge,
                                              Form1->AutoClose1,
                                              Form1->N2,
                                              Form1->About1,
                                              Form1->HomePagediTralalino1,
                                              Form1->ItemSito1,
                                              Form1->Help1,
                                              Form1->N1,
                                              Form1->ItemEsci};
    for (std::size_t i = 0; i < designed.size(); ++i) {
        EXPECT_EQ(items->Items(14 + static_cast<int>(i)), designed[i]) << i;
    }
    EXPECT_TRUE(Form1->Autoload1->Checked);
    EXPECT_TRUE(Form1->ItemLegge->Checked);
    EXPECT_FALSE(Form1->AutoClose1->Checked);
    EXPECT_EQ(Report->Label2->Caption(), "Label");
}

TEST_F(ProgramTest, TheLoopShowsTheJokeWindowThroughTheMainWindowThenHidesIt) {
    Start();
    EXPECT_FALSE(Form1->Visible());
    EXPECT_FALSE(WindowOf(*Form1).visible);
    EXPECT_TRUE(Report->Visible());
    EXPECT_TRUE(WindowOf(*Report).visible);
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(Report->Left(), 235);
    EXPECT_EQ(Report->Top(), 235);
    EXPECT_EQ(Report->ClientWidth(), 512);
    EXPECT_EQ(Report->ClientHeight(), 256);
    EXPECT_TRUE(WindowOf(*Report).style.stayOnTop);
    EXPECT_FALSE(WindowOf(*Report).style.resizable);
    EXPECT_FALSE(WindowOf(*Report).style.maximizeBox);
    EXPECT_EQ(WindowOf(*Report).caption.rfind("Tralalino! ", 0), 0u);
    EXPECT_EQ(Form1->CurrentJoke, 28);
    EXPECT_TRUE(backend.messages.empty());
}

TEST_F(ProgramTest, ActivatingTheMainWindowAgainShowsAHiddenJokeWindow) {
    Start();
    WindowOf(*Report).Close();
    ASSERT_FALSE(Report->Visible());
    now += 190 * 20;
    static_cast<backend::WindowEvents&>(*Form1).Activated();
    EXPECT_TRUE(Report->Visible());
    EXPECT_EQ(Form1->CurrentJoke, 48) << "a joke newly drawn";

    int before = Form1->CurrentJoke;
    now += 190 * 20;
    static_cast<backend::WindowEvents&>(*Report).Activated();
    static_cast<backend::WindowEvents&>(*Form1).Activated();
    EXPECT_EQ(Form1->CurrentJoke, before) << "a visible window changes nothing";
}

}  // namespace
