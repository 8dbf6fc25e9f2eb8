#include <gtest/gtest.h>

#include "tests/unit/platform/headless_app.h"

namespace {

// Counts the mouse-leave notifications that reach it.
class TLeaveProbe : public TLabel {
public:
    using TLabel::TLabel;
    void Dispatch(TMessage& message) override {
        if (message.Msg == CM_MOUSELEAVE) {
            ++leaves;
            return;
        }
        TLabel::Dispatch(message);
    }
    int leaves = 0;
};

class MouseTest : public ::testing::Test {
protected:
    MouseTest() {
        env.AddResource("TTESTFORM", R"(object TestForm: TTestForm
  ClientHeight = 120
  ClientWidth = 200
  object Picture: TImage
    Width = 200
    Height = 120
    OnMouseDown = PictureDown
    OnMouseMove = PictureMove
  end
  object Title: TLabel
    Left = 10
    Top = 20
    Width = 150
    Height = 30
    AutoSize = False
    OnClick = TitleClick
    OnMouseDown = PictureDown
    OnMouseMove = PictureMove
  end
end
)");
        env.app.CreateForm(form);
        form->Show();
        form->log.clear();
    }

    TLeaveProbe* AddProbe(int left) {
        auto* probe = new TLeaveProbe(form);
        probe->SetParent(form);
        probe->SetAutoSize(false);
        probe->SetBounds(left, 80, 20, 20);
        return probe;
    }

    backend::HeadlessWindow& Window() { return env.WindowOf(*form); }

    HeadlessApp env;
    TTestForm* form = nullptr;
};

TEST_F(MouseTest, PressedControlGetsTheMovesInItsOwnCoordinatesUntilRelease) {
    Window().Press(30, 30);     // on Title, at 20,10 of its own
    Window().MoveTo(5, 5);      // over the picture, outside Title
    Window().MoveTo(250, 300);  // outside the window
    Window().Release(250, 300);
    Window().MoveTo(5, 5);  // no button held: the control under the pointer
    EXPECT_EQ(form->log, (std::vector<std::string>{"down Title 20,10", "move Title -5,-15 left",
                                                   "move Title 240,280 left", "move Picture 5,5"}));
}

TEST_F(MouseTest, ClickNeedsPressAndLeftReleaseOnTheSameControl) {
    struct Gesture {
        int pressX;
        int releaseX;
        backend::MouseButton button;
        bool clicks;
    };
    for (Gesture g : {Gesture{30, 40, backend::MouseButton::Left, true},
                      Gesture{30, 180, backend::MouseButton::Left, false},
                      Gesture{180, 30, backend::MouseButton::Left, false},
                      Gesture{30, 30, backend::MouseButton::Right, false}}) {
        form->log.clear();
        Window().Press(g.pressX, 30, g.button);
        Window().Release(g.releaseX, 30, g.button);
        bool clicked = std::count(form->log.begin(), form->log.end(), "title click") == 1;
        EXPECT_EQ(clicked, g.clicks) << g.pressX << " to " << g.releaseX;
    }
}

TEST_F(MouseTest, MouseLeaveArrivesOnTheIdlePassAfterThePointerLeft) {
    TLeaveProbe* first = AddProbe(20);
    TLeaveProbe* second = AddProbe(40);

    Window().MoveTo(25, 85);
    env.app.HandleMessage();
    EXPECT_EQ(first->leaves, 0);

    Window().MoveTo(45, 85);  // straight onto the second
    EXPECT_EQ(first->leaves, 0) << "not before the idle pass";
    env.app.HandleMessage();
    EXPECT_EQ(first->leaves, 1);
    EXPECT_EQ(second->leaves, 0);

    Window().MoveTo(46, 86);  // still on the second
    env.app.HandleMessage();
    EXPECT_EQ(second->leaves, 0);

    Window().Leave();
    env.app.HandleMessage();
    EXPECT_EQ(second->leaves, 1);
    EXPECT_EQ(first->leaves, 1);
}

TEST_F(MouseTest, HintsFollowTheApplicationTimings) {
    TLeaveProbe* probe = AddProbe(20);
    probe->Hint = "Apri il sito";
    probe->SetShowHint(true);

    env.app.HintPause = 0;
    env.app.HintHidePause = 10000;
    Window().MoveTo(25, 85);
    env.app.HandleMessage();
    EXPECT_EQ(env.backend.hint, "Apri il sito");
    EXPECT_EQ(env.backend.hintHideAfter, 10000);
    EXPECT_EQ(env.backend.hintAt, env.backend.cursor);

    Window().MoveTo(150, 110);
    env.app.HandleMessage();
    EXPECT_EQ(env.backend.hint, "");

    env.app.HintPause = 500;
    Window().MoveTo(25, 85);
    env.app.HandleMessage();
    EXPECT_EQ(env.backend.hint, "") << "waits for the pause";
    ASSERT_EQ(env.backend.timers.size(), 1u);
    EXPECT_EQ(env.backend.timers.begin()->second.first, 500);
    env.backend.timers.begin()->second.second();
    EXPECT_EQ(env.backend.hint, "Apri il sito");
}

TEST_F(MouseTest, ParentShowHintFollowsTheForm) {
    TLeaveProbe* probe = AddProbe(20);
    probe->Hint = "dal form";
    env.app.HintPause = 0;
    Window().MoveTo(25, 85);
    env.app.HandleMessage();
    EXPECT_EQ(env.backend.hint, "") << "the form shows no hints";

    form->SetShowHint(true);
    Window().MoveTo(150, 110);
    env.app.HandleMessage();
    Window().MoveTo(25, 85);
    env.app.HandleMessage();
    EXPECT_EQ(env.backend.hint, "dal form");
}

}  // namespace
