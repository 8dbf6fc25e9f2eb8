#include "catalogue/catalogue.h"
#include "platform/screen.h"
#include "platform/textlayout.h"
#include "shell/sites.h"
#include "tests/unit/program/program_fixture.h"

namespace {

void ShowAgain() {
    Report->SetVisible(false);
    Report->SetVisible(true);
}

struct DrawCase {
    std::time_t seconds;
    int joke;
};

class JokeOfTheDayTest : public ProgramTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(JokeOfTheDayTest, ShowsTheJokeDrawnFromTheClock) {
    now = GetParam().seconds;
    Start();
    int n = GetParam().joke;
    std::optional<JokeLocation> joke = LocateJoke(n);
    ASSERT_TRUE(joke);
    EXPECT_EQ(Form1->CurrentJoke, n);
    EXPECT_EQ(Report->Label5->Caption(), "T! " + std::to_string(n) + "/355");
    EXPECT_EQ(Report->Label3->Caption(), CategoryCaption(joke->Category));
    EXPECT_EQ(Report->Label1->Caption(), LoadCatalogueString(joke->AuthorId));
    EXPECT_EQ(Report->Label2->Caption(), LoadCatalogueString(joke->TextId));
    EXPECT_EQ(Report->Label1->Top(), Report->Label2->Top() + Report->Label2->Height());
}

INSTANTIATE_TEST_SUITE_P(Clock, JokeOfTheDayTest,
                         ::testing::Values(DrawCase{1000000000, 28}, DrawCase{1700000000, 225},
                                           DrawCase{0, 1}, DrawCase{189, 1}, DrawCase{190, 2},
                                           DrawCase{1000061785, 355}));

// Over an hour from a show of joke 355: the same joke within a second, each change after 189
// or 190 seconds, always to the next number, 355 followed by 1.
TEST_F(ProgramTest, TheJokeOfTheDayMovesOnEveryThreeMinutes) {
    now = 1000061785;
    Start();
    int joke = Form1->CurrentJoke;
    ASSERT_EQ(joke, 355);
    std::time_t lastChange = 0;
    std::vector<int> seen = {joke};
    for (int step = 1; step <= 3600; ++step) {
        ++now;
        ShowAgain();
        int shown = Form1->CurrentJoke;
        if (shown == joke) {
            continue;
        }
        EXPECT_EQ(shown, joke % 355 + 1) << "at " << now;
        if (lastChange != 0) {
            std::time_t gap = now - lastChange;
            EXPECT_TRUE(gap == 189 || gap == 190) << gap << " s at " << now;
        }
        lastChange = now;
        joke = shown;
        seen.push_back(joke);
    }
    EXPECT_GE(seen.size(), 19u);
    EXPECT_EQ(seen[1], 1);
}

TEST_F(ProgramTest, WithoutTheJokeOfTheDayTheDesignTextsStay) {
    Form1->ItemLegge->Checked = false;
    Start();
    EXPECT_TRUE(Report->Visible());
    EXPECT_EQ(Form1->CurrentJoke, 0);
    for (TLabel* label : {Report->Label1, Report->Label2, Report->Label3, Report->Label5}) {
        EXPECT_EQ(label->Caption(), "Label") << label->Name;
    }
    EXPECT_EQ(Report->Label1->Top(), 121);
}

TEST_F(ProgramTest, WithNoJokesNothingIsDrawn) {
    Form1->TotalJokes = 0;
    Start();
    EXPECT_EQ(Form1->CurrentJoke, 0);
    EXPECT_EQ(Report->Label5->Caption(), "Label");
    EXPECT_EQ(Report->Label1->Top(), 121);
}

bool Holds(const backend::Rect& outer, const backend::Rect& inner) {
    return Intersect(outer, inner) == inner;
}

// The old text vanishes from the screen before the new one is laid out, and the new one is
// on the screen before the handler goes on.
TEST_F(ProgramTest, ShowingAJokeRepaintsTheTextBeforeAndAfterItChanges) {
    Start();
    backend::HeadlessWindow& window = WindowOf(*Report);
    backend::Rect oldText = Report->Label2->BoundsRect();
    window.repainted.clear();
    now += 190;
    ShowAgain();
    ASSERT_EQ(window.repainted.size(), 2u);
    EXPECT_TRUE(Holds(window.repainted[0], oldText));
    EXPECT_TRUE(Holds(window.repainted[1], Report->Label2->BoundsRect()));
}

// The joke shown after a joke of the day is laid out within 497 pixels whatever the width the
// joke of the day left behind, so the author sits right under the text's last line.
TEST_F(ProgramTest, ALongJokeWrapsWithinTheWindowWithItsAuthorRightUnderIt) {
    int longest = 0;
    AnsiString longestText;
    for (int n = 1; n <= 355; ++n) {
        AnsiString text = LoadCatalogueString(LocateJoke(n)->TextId);
        if (text.size() > longestText.size()) {
            longest = n;
            longestText = text;
        }
    }
    ASSERT_EQ(longestText.size(), 592u);

    now = 1000000000;  // joke 28, much shorter: the label is left narrower than 497
    Start();
    ASSERT_LT(Report->Label2->Width(), 497);
    Form1->CurrentJoke = longest - 1;
    ClickOn(Report->Avanti);

    EXPECT_EQ(Report->Label2->Caption(), longestText);
    TTextBlock block = LayOutText(longestText, Report->Label2->Font()->Spec(), true, 497, backend);
    EXPECT_GE(block.lines.size(), 5u);
    EXPECT_EQ(Report->Label2->Height(), block.height);
    EXPECT_LE(Report->Label2->Width(), 497);
    EXPECT_EQ(Report->Label1->Top(), 88 + block.height);
}

TEST_F(ProgramTest, DraggingThePictureOrATextMovesTheWindowByTheDrag) {
    Start();
    backend::HeadlessWindow& window = WindowOf(*Report);
    window.Press(100, 150);  // the picture
    window.MoveTo(130, 160);
    EXPECT_EQ(Report->Left(), 265);
    EXPECT_EQ(Report->Top(), 245);
    window.MoveTo(105, 150);  // 5 more to the right, seen from the moved window
    EXPECT_EQ(Report->Left(), 270);
    window.Release(105, 150);
    window.MoveTo(50, 50);
    EXPECT_EQ(Report->Left(), 270) << "no button, no drag";

    backend::Point text = Report->Label2->FormOrigin();
    window.Press(text.x + 2, text.y + 2);
    window.MoveTo(text.x + 2, text.y + 12);
    window.Release(text.x + 2, text.y + 12);
    EXPECT_EQ(Report->Top(), 255);
}

TEST_F(ProgramTest, OnlyTheLeftButtonDragsAndArrowsAndHotSpotsDoNot) {
    Start();
    backend::HeadlessWindow& window = WindowOf(*Report);
    window.Press(100, 150, backend::MouseButton::Right);
    window.MoveTo(140, 170);
    window.Release(140, 170, backend::MouseButton::Right);
    EXPECT_EQ(Report->Left(), 235);

    for (TControl* control : std::initializer_list<TControl*>{Report->Avanti, Report->Indietro,
                                                              Report->VD, Report->Tralalino}) {
        backend::Point at = control->FormOrigin();
        window.Press(at.x + 3, at.y + 3);
        window.MoveTo(at.x + 40, at.y - 30);
        window.Release(at.x + 40, at.y - 30);
        EXPECT_EQ(Report->Left(), 235) << control->Name;
        EXPECT_EQ(Report->Top(), 235) << control->Name;
    }
}

TEST_F(ProgramTest, HotSpotsOpenTheTwoHomePagesUnderTheHandCursor) {
    Start();
    ClickOn(Report->Tralalino);
    ClickOn(Report->VD);
    EXPECT_EQ(backend.opened, (std::vector<std::string>{kJokeServiceHomePage, kMakerHomePage}));
    ASSERT_NE(Screen->Cursors.Find(5), nullptr);
    EXPECT_EQ(Report->VD->Cursor, 5);
    EXPECT_EQ(Report->Tralalino->Cursor, 5);
    backend::Point at = Report->VD->FormOrigin();
    WindowOf(*Report).MoveTo(at.x + 5, at.y + 5);
    EXPECT_EQ(WindowOf(*Report).cursor, Screen->Cursors.Find(5));
}

TEST_F(ProgramTest, ClosingHidesTheWindowAndTheNextShowDrawsAgain) {
    Start();
    WindowOf(*Report).Close();
    EXPECT_FALSE(Report->Visible());
    EXPECT_FALSE(app.Terminated());
    now += 190;
    Report->SetVisible(true);
    EXPECT_EQ(Form1->CurrentJoke, 29);
}

TEST_F(ProgramTest, ClosingWithAutomaticCloseEndsTheProgram) {
    Start();
    Form1->AutoClose1->Checked = true;
    WindowOf(*Report).Close();
    EXPECT_TRUE(app.Terminated());
}

}  // namespace
