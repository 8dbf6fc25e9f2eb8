#include "catalogue/catalogue.h"
#include "tests/unit/program/program_fixture.h"

namespace {

class NavigationTest : public ProgramTest {
protected:
    NavigationTest() { Start(); }

    // Picks a category from the tray menu; its click comes through the message loop.
    void ChooseCategory(int category) {
        backend.menuChoices.push_back({category});
        Form1->Popup->Popup(900, 10);
        Settle();
    }

    void ExpectJokeShown(int n) {
        std::optional<JokeLocation> joke = LocateJoke(n);
        ASSERT_TRUE(joke);
        EXPECT_EQ(Report->Label5->Caption(), "T! " + std::to_string(n) + "/355");
        EXPECT_EQ(Report->Label3->Caption(), Form1->Popup->Items()->Items(joke->Category)->Caption);
        EXPECT_EQ(Report->Label1->Caption(), LoadCatalogueString(joke->AuthorId));
        EXPECT_EQ(Report->Label2->Caption(), LoadCatalogueString(joke->TextId));
        ExpectAuthorUnderText();
    }

    void ExpectAuthorUnderText() {
        EXPECT_EQ(Report->Label1->Top(), Report->Label2->Top() + Report->Label2->Height());
    }
};

struct Step {
    const char* name;
    int before;
    bool forward;
    int after;
    bool shows;  // false: the labels keep their texts
};

class NavigationStepTest : public NavigationTest, public ::testing::WithParamInterface<Step> {};

TEST_P(NavigationStepTest, ArrowsMoveTheCurrentJoke) {
    const Step& step = GetParam();
    Form1->CurrentJoke = step.before;
    AnsiString counterBefore = Report->Label5->Caption();
    ClickOn(step.forward ? static_cast<TControl*>(Report->Avanti) : Report->Indietro);
    EXPECT_EQ(Form1->CurrentJoke, step.after);
    if (step.shows) {
        ExpectJokeShown(step.after);
    } else {
        EXPECT_EQ(Report->Label5->Caption(), counterBefore);
        ExpectAuthorUnderText();
    }
}

INSTANTIATE_TEST_SUITE_P(States, NavigationStepTest,
                         ::testing::Values(Step{"NextInside", 100, true, 101, true},
                                           Step{"NextOfLast", 355, true, 1, true},
                                           Step{"NextIntoACategory", 26, true, 27, true},
                                           Step{"PreviousInside", 100, false, 99, true},
                                           Step{"PreviousOutOfACategory", 27, false, 26, true},
                                           Step{"PreviousOfFirst", 1, false, 355, true},
                                           Step{"NextBeforeAnyJoke", 0, true, 1, true},
                                           Step{"PreviousBeforeAnyJoke", 0, false, -1, false},
                                           Step{"NextBelowZero", -1, true, 0, false},
                                           Step{"PreviousBelowZero", -5, false, -6, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(NavigationTest, CrossingACategoryReadsTheNeighbouringStrings) {
    Form1->CurrentJoke = 26;
    ClickOn(Report->Avanti);
    EXPECT_EQ(Report->Label3->Caption(), CategoryCaption(1));
    EXPECT_EQ(Report->Label2->Caption(), LoadCatalogueString(2001));
    EXPECT_EQ(Report->Label1->Caption(), LoadCatalogueString(2000));
    ClickOn(Report->Indietro);
    EXPECT_EQ(Report->Label2->Caption(), LoadCatalogueString(1051));
    EXPECT_EQ(Report->Label1->Caption(), LoadCatalogueString(1050));
}

TEST_F(NavigationTest, CategoryItemsJumpToTheirFirstJoke) {
    struct Jump {
        int category;
        int joke;
    };
    for (Jump jump : {Jump{0, 1}, Jump{1, 27}, Jump{4, 129}, Jump{13, 346}}) {
        ChooseCategory(jump.category);
        EXPECT_EQ(Form1->CurrentJoke, jump.joke);
        ExpectJokeShown(jump.joke);
        ClickOn(Report->Avanti);
        EXPECT_EQ(Form1->CurrentJoke, jump.joke + 1) << "then the category's second joke";
        ExpectJokeShown(jump.joke + 1);
    }
    ChooseCategory(4);
    EXPECT_EQ(Report->Label3->Caption(), "Computer && Internet");
    WindowOf(*Report).PaintAll();
    bool oneAmpersand = false;
    for (const backend::DrawnText& text : WindowOf(*Report).texts) {
        oneAmpersand = oneAmpersand || text.text == "Computer & Internet";
    }
    EXPECT_TRUE(oneAmpersand);
}

TEST_F(NavigationTest, JumpWhileHiddenShowsTheWindowThenTheCategory) {
    for (bool jokeOfTheDay : {true, false}) {
        Form1->ItemLegge->Checked = jokeOfTheDay;
        WindowOf(*Report).Close();
        ASSERT_FALSE(Report->Visible());
        ChooseCategory(1);
        EXPECT_TRUE(Report->Visible());
        EXPECT_TRUE(WindowOf(*Report).visible);
        EXPECT_EQ(Form1->CurrentJoke, 27);
        ExpectJokeShown(27);
    }
}

TEST_F(NavigationTest, JumpWhileVisibleLeavesTheWindowWhereItIs) {
    Report->SetLeft(400);
    Report->SetTop(300);
    int activations = WindowOf(*Report).activations;
    ChooseCategory(13);
    EXPECT_EQ(Report->Left(), 400);
    EXPECT_EQ(Report->Top(), 300);
    EXPECT_EQ(WindowOf(*Report).activations, activations);
    ExpectJokeShown(346);
}

}  // namespace
