#include <gtest/gtest.h>

#include "platform/layout.h"
#include "platform/properties.h"
#include "tests/unit/platform/headless_app.h"

namespace {

// A transparent bold label over a picture, a second label over the first, a menu with two
// items, and references and events of every kind.
constexpr const char* kGolden = R"(object TestForm: TTestForm
  Left = 100
  Top = 50
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Prova '#232' '' quote'
  ClientHeight = 120
  ClientWidth = 200
  Font.Height = -13
  Font.Name = 'MS Sans Serif'
  FormStyle = fsStayOnTop
  PopupMenu = Menu
  OnActivate = FormActivate
  OnCreate = FormCreate
  OnShow = FormShow
  object Picture: TImage
    Left = 0
    Top = 0
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
    Caption = 'Titolo' +
      ' lungo'
    Font.Color = 9836
    Font.Height = -17
    Font.Style = [fsBold]
    Transparent = True
    OnClick = TitleClick
  end
  object Caption2: TLabel
    Left = 12
    Top = 22
    Width = 40
    Height = 12
    Caption = 'Sopra'
    Font.Color = clMaroon
    Transparent = True
  end
  object Menu: TPopupMenu
    object First: TMenuItem
      Caption = 'Primo'
      Checked = True
      OnClick = ItemClick
    end
    object Second: TMenuItem
      Caption = '-'
    end
  end
end
)";

class LayoutTest : public ::testing::Test {
protected:
    HeadlessApp env;
};

TEST_F(LayoutTest, GoldenLayoutGivesTheComponentTree) {
    env.AddResource("TTESTFORM", kGolden);
    TTestForm* form = nullptr;
    env.app.CreateForm(form);

    ASSERT_NE(form, nullptr);
    EXPECT_EQ(env.app.MainForm(), form);
    EXPECT_EQ(form->log, std::vector<std::string>{"create"});
    EXPECT_EQ(form->Name, "TestForm");
    EXPECT_EQ(form->Caption(), "Prova \xE8 ' quote");
    EXPECT_EQ(form->Left(), 100);
    EXPECT_EQ(form->Top(), 50);
    EXPECT_EQ(form->ClientWidth(), 200);
    EXPECT_EQ(form->ClientHeight(), 120);
    EXPECT_EQ(form->FormStyle(), fsStayOnTop);
    EXPECT_EQ(form->PopupMenu, form->Menu);

    // Owned in file order; parented in stacking order, the later on top.
    ASSERT_EQ(form->ComponentCount(), 6);
    EXPECT_EQ(form->Components(0), form->Picture);
    EXPECT_EQ(form->Components(1), form->Title);
    EXPECT_EQ(form->Components(2), form->Caption2);
    EXPECT_EQ(form->Components(3), form->Menu);
    EXPECT_EQ(form->Components(4), form->First);
    EXPECT_EQ(form->Components(5), form->Second);
    ASSERT_EQ(form->ControlCount(), 3);
    EXPECT_EQ(form->Controls(2), form->Caption2);
    EXPECT_EQ(form->ControlAtPos({15, 25}), form->Caption2);
    EXPECT_EQ(form->ControlAtPos({100, 25}), form->Title);
    EXPECT_EQ(form->ControlAtPos({100, 100}), form->Picture);

    EXPECT_EQ(form->Title->Caption(), "Titolo lungo");
    EXPECT_TRUE(form->Title->Transparent());
    EXPECT_EQ(form->Title->Font()->Color(), 9836);
    EXPECT_EQ(form->Title->Font()->Height(), -17);
    EXPECT_TRUE(form->Title->Font()->HasStyle(fsBold));
    EXPECT_EQ(form->Caption2->Font()->Color(), clMaroon);
    // Stored sizes stand: a layout does not resize its auto-sized labels.
    EXPECT_EQ(form->Caption2->Width(), 40);
    EXPECT_EQ(form->Caption2->Height(), 12);

    ASSERT_EQ(form->Menu->Items()->Count(), 2);
    EXPECT_EQ(form->Menu->Items()->Items(0), form->First);
    EXPECT_TRUE(form->First->Checked);
    ASSERT_TRUE(form->First->OnClick);
    form->First->OnClick(form->First);
    EXPECT_EQ(form->log.back(), "click First");
}

// Writers run in file order: a later value of the same property wins, and a value that
// depends on an earlier one sees it.
TEST_F(LayoutTest, PropertiesApplyInFileOrder) {
    env.AddResource("TTESTFORM", R"(object TestForm: TTestForm
  object Title: TLabel
    Caption = 'Uno'
    Font.Height = -20
    Caption = 'Due'
    Alignment = taRightJustify
  end
end
)");
    TTestForm* form = nullptr;
    env.app.CreateForm(form);
    EXPECT_EQ(form->Title->Caption(), "Due");
    EXPECT_EQ(form->Title->Alignment(), taRightJustify);
}

struct BadLayout {
    const char* name;
    const char* text;
    const char* message;
};

class BadLayoutTest : public ::testing::TestWithParam<BadLayout> {};

TEST_P(BadLayoutTest, FailsNamingWhatIsWrong) {
    HeadlessApp env;
    env.AddResource("TTESTFORM", GetParam().text);
    TTestForm* form = reinterpret_cast<TTestForm*>(1);
    try {
        env.app.CreateForm(form);
        FAIL() << "the layout was accepted";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message, GetParam().message);
    }
    // The global reference is cleared when construction fails.
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(env.app.MainForm(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, BadLayoutTest,
    ::testing::Values(
        BadLayout{"UnknownClass",
                  "object TestForm: TTestForm\n  object Title: TFancyLabel\n  end\nend",
                  "TTESTFORM, line 2: Unknown class 'TFancyLabel'"},
        BadLayout{
            "UnknownProperty",
            "object TestForm: TTestForm\n  object Title: TLabel\n    Font.Hieght = -3\n  end\nend",
            "TTESTFORM, line 3: Unknown property 'Font.Hieght' of Title (TLabel)"},
        BadLayout{"UnknownMember",
                  "object TestForm: TTestForm\n  object Label9: TLabel\n  end\nend",
                  "TTESTFORM, line 2: Unknown member 'Label9'"},
        BadLayout{"MemberOfAnotherClass",
                  "object TestForm: TTestForm\n  object Title: TImage\n  end\nend",
                  "TTESTFORM, line 2: Member 'Title' cannot hold a TImage"},
        BadLayout{"UnknownHandler", "object TestForm: TTestForm\n  OnCreate = FormCreated\nend",
                  "TTESTFORM, line 2: Unknown handler 'FormCreated'"},
        BadLayout{"HandlerOfAnotherType",
                  "object TestForm: TTestForm\n  OnCreate = PictureDown\nend",
                  "TTESTFORM, line 2: Handler 'PictureDown' does not fit the event OnCreate"},
        BadLayout{"UnknownReference", "object TestForm: TTestForm\n\n  PopupMenu = Menu2\nend",
                  "TTESTFORM, line 3: Unknown component 'Menu2' for PopupMenu"},
        BadLayout{"WrongValueType", "object TestForm: TTestForm\n  Left = 'far'\nend",
                  "TTESTFORM, line 2: Invalid value 'far' for Left: expected a 32-bit integer"},
        BadLayout{"UnknownEnumValue", "object TestForm: TTestForm\n  BorderStyle = bsRound\nend",
                  "TTESTFORM, line 2: Invalid value bsRound for BorderStyle: expected one of its "
                  "named values"},
        BadLayout{"WrongRootClass", "object Report: TReport\nend",
                  "TTESTFORM, line 1: the layout is for TReport, not TTestForm"},
        BadLayout{"MissingEnd", "object TestForm: TTestForm\n  Left = 1\n",
                  "TTESTFORM, line 3: missing 'end' of TestForm"},
        BadLayout{"UnterminatedString", "object TestForm: TTestForm\n  Caption = 'open\nend",
                  "TTESTFORM, line 2: unterminated string"},
        BadLayout{"MissingEquals", "object TestForm: TTestForm\n  Left 1\nend",
                  "TTESTFORM, line 2: expected '=' after Left"},
        BadLayout{"BinaryData",
                  "object TestForm: TTestForm\n  object Picture: TImage\n    Picture.Data = "
                  "{0A0B}\n  end\nend",
                  "TTESTFORM, line 3: binary data, lists and collections are not supported; name a "
                  "resource"},
        BadLayout{"MissingPicture",
                  "object TestForm: TTestForm\n  object Picture: TImage\n    Picture.Resource = "
                  "'NOPE'\n  end\nend",
                  "TTESTFORM, line 3: Resource NOPE not found"},
        BadLayout{"TextAfterEnd", "object TestForm: TTestForm\nend\nend",
                  "TTESTFORM, line 3: text after the final 'end'"}),
    [](const auto& info) { return info.param.name; });

TEST(LayoutResource, MissingResourceIsAClearError) {
    HeadlessApp env;
    TTestForm* form = nullptr;
    EXPECT_THROW(
        {
            try {
                env.app.CreateForm(form);
            } catch (const EReadError& error) {
                EXPECT_EQ(error.Message, "Resource TTESTFORM not found");
                throw;
            }
        },
        EReadError);
}

}  // namespace
