#include <gtest/gtest.h>

#include "platform/winapi.h"
#include "tests/unit/platform/headless_app.h"

namespace {

constexpr const char* kForm = R"(object TestForm: TTestForm
  Caption = 'Principale'
  ClientHeight = 100
  ClientWidth = 200
  OnActivate = FormActivate
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object Menu: TPopupMenu
    object First: TMenuItem
      Caption = 'Primo'
      OnClick = ItemClick
    end
    object Second: TMenuItem
      Caption = 'Secondo'
      OnClick = ItemClick
    end
  end
end
)";

constexpr const char* kOther = R"(object OtherForm: TOtherForm
  Caption = 'Altra'
  ClientHeight = 50
  ClientWidth = 80
end
)";

// Records the messages posted to it.
class RecordingWindow : public TWindowHandle {
public:
    explicit RecordingWindow(std::vector<std::string>& log) : log_(log) {}
    void WndProc(TMessage& message) override {
        log_.push_back("message " + std::to_string(message.Msg - WM_USER));
        if (onMessage)
            onMessage(message);
    }
    void ShowCommand(int) override {}
    std::function<void(TMessage&)> onMessage;

private:
    std::vector<std::string>& log_;
};

class LoopTest : public ::testing::Test {
protected:
    LoopTest() {
        env.app.Title = "VD Prova";
        env.AddResource("TTESTFORM", kForm);
        env.AddResource("TOTHERFORM", kOther);
    }

    void RunLoop() {
        while (env.app.HandleMessage() && !env.app.Terminated()) {
        }
    }

    HeadlessApp env;
    TTestForm* form = nullptr;
    TOtherForm* other = nullptr;
};

TEST_F(LoopTest, PostedMessagesComeAfterTheRunningHandlerInOrder) {
    std::vector<std::string> log;
    RecordingWindow window(log);
    window.onMessage = [&](TMessage& message) {
        if (message.Msg == WM_USER + 1) {
            PostMessageA(&window, WM_USER + 3, 0, 0);
        }
    };
    env.backend.script.push_back([&] {
        PostMessageA(&window, WM_USER + 1, 0, 0);
        PostMessageA(&window, WM_USER + 2, 0, 0);
        log.push_back("handler end");
    });
    RunLoop();
    EXPECT_EQ(log,
              (std::vector<std::string>{"handler end", "message 1", "message 2", "message 3"}));
}

TEST_F(LoopTest, DestroyedWindowsGetNoPostedMessages) {
    std::vector<std::string> log;
    auto window = std::make_unique<RecordingWindow>(log);
    PostMessageA(window.get(), WM_USER + 1, 0, 0);
    window.reset();
    RunLoop();
    EXPECT_TRUE(log.empty());
}

// Start-up as the program does it: the create handler queues the hide, the loop first shows
// and activates the main form, then the hide arrives.
TEST_F(LoopTest, RunShowsTheMainFormBeforeQueuedRequests) {
    env.app.CreateForm(form);
    ShowWindowAsync(form->Handle(), SW_HIDE);
    env.app.CreateForm(other);
    EXPECT_EQ(env.app.MainForm(), form);

    env.app.Run();
    EXPECT_EQ(form->log, (std::vector<std::string>{"create", "show", "activate"}));
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(env.WindowOf(*form).visible);
    EXPECT_EQ(env.WindowOf(*form).activations, 1);
}

TEST_F(LoopTest, ClosingTheMainFormEndsTheApplicationOtherFormsHide) {
    env.app.CreateForm(form);
    env.app.CreateForm(other);
    other->Show();
    env.WindowOf(*other).Close();
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(env.app.Terminated());

    form->Show();
    env.WindowOf(*form).Close();
    EXPECT_EQ(form->log.back(), "close");
    EXPECT_TRUE(env.app.Terminated());
}

TEST_F(LoopTest, ShowModalDisablesTheOtherVisibleWindowsUntilClosed) {
    env.app.CreateForm(form);
    env.app.CreateForm(other);
    form->Show();
    bool disabledMeanwhile = false;
    env.backend.script.push_back([&] {
        disabledMeanwhile = !env.WindowOf(*form).enabled && env.WindowOf(*other).visible;
        env.WindowOf(*other).Close();
    });
    env.backend.script.push_back([] { FAIL() << "the modal loop outlived the close"; });

    EXPECT_EQ(other->ShowModal(), mrCancel);
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(env.WindowOf(*form).enabled);
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(env.app.Terminated());
}

TEST_F(LoopTest, ShowModalEndsWhenTheApplicationTerminates) {
    env.app.CreateForm(form);
    env.app.CreateForm(other);
    env.backend.script.push_back([&] { env.app.Terminate(); });
    env.backend.script.push_back([] { FAIL() << "the modal loop outlived the terminate"; });
    other->ShowModal();
    EXPECT_FALSE(other->Visible());
}

TEST_F(LoopTest, ShowModalOfAVisibleFormIsRefused) {
    env.app.CreateForm(form);
    env.app.CreateForm(other);
    env.backend.script.push_back([&] {
        try {
            other->ShowModal();
            ADD_FAILURE() << "a visible form went modal";
        } catch (const EInvalidOperation& error) {
            EXPECT_EQ(error.Message, "Cannot make a visible window modal");
        }
        EXPECT_TRUE(other->Visible());
        env.WindowOf(*other).Close();
    });
    other->ShowModal();
    EXPECT_FALSE(other->Visible());
}

TEST_F(LoopTest, ChosenMenuItemClicksFromTheLoopAndErrorsGoToTheErrorBox) {
    env.app.CreateForm(form);
    form->log.clear();
    env.backend.menuChoices.push_back({1});
    form->Menu->Popup(300, 200);
    ASSERT_EQ(env.backend.menus.size(), 1u);
    EXPECT_EQ(env.backend.menus[0].at, (backend::Point{300, 200}));
    EXPECT_EQ(env.backend.menus[0].items.size(), 2u);
    EXPECT_TRUE(form->log.empty()) << "the click waits for the loop";
    env.app.ProcessMessages();
    EXPECT_EQ(form->log, std::vector<std::string>{"click Second"});

    form->First->OnClick = [](TObject*) {
        throw EConvertError("'x1' is not a valid integer value");
    };
    env.backend.menuChoices.push_back({0});
    form->Menu->Popup(0, 0);
    env.app.ProcessMessages();
    ASSERT_EQ(env.backend.messages.size(), 1u);
    EXPECT_EQ(env.backend.messages[0].caption, "VD Prova");
    EXPECT_EQ(env.backend.messages[0].text, "'x1' is not a valid integer value.");
    EXPECT_EQ(env.backend.messages[0].icon, backend::MessageIcon::Error);
}

TEST_F(LoopTest, CreateHandlerErrorsAreShownAndCreationGoesOn) {
    TTestForm::nextCreate = [] { throw ERegistryException("Invalid data type for 'Autoload'"); };
    env.app.CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(env.app.MainForm(), form);
    EXPECT_EQ(form->log, std::vector<std::string>{"create"});
    ASSERT_EQ(env.backend.messages.size(), 1u);
    EXPECT_EQ(env.backend.messages[0].text, "Invalid data type for 'Autoload'.");
}

TEST_F(LoopTest, ShellExecuteTellsWhetherAnOpenerTookTheDocument) {
    EXPECT_GT(ShellExecuteA(nullptr, "open", "http://www.tralalino.example/", nullptr, nullptr,
                            SW_SHOWNORMAL),
              32);
    env.backend.opensDocuments = false;
    EXPECT_EQ(ShellExecuteA(nullptr, "open", "/nowhere/help/index.html", nullptr, nullptr,
                            SW_SHOWMAXIMIZED),
              SE_ERR_NOASSOC);
    EXPECT_EQ(env.backend.opened, (std::vector<std::string>{"http://www.tralalino.example/",
                                                            "/nowhere/help/index.html"}));
}

}  // namespace
