#include <gtest/gtest.h>

#include "tests/unit/platform/headless_app.h"

namespace {

// Font -10 in the headless metrics: characters 5 pixels wide, lines 12 pixels high.
constexpr int kChar = 5;
constexpr int kLine = 12;

class LabelTest : public ::testing::Test {
protected:
    LabelTest() {
        env.AddResource("TTESTFORM", R"(object TestForm: TTestForm
  ClientHeight = 200
  ClientWidth = 300
  object Title: TLabel
    Left = 10
    Top = 20
    Width = 100
    Height = 33
    Caption = 'Label'
    Font.Height = -10
    Transparent = True
    WordWrap = True
  end
end
)");
        env.app.CreateForm(form);
        label = form->Title;
    }

    std::vector<std::string> PaintedLines() {
        backend::HeadlessWindow& window = env.WindowOf(*form);
        form->Show();
        window.PaintAll();
        std::vector<std::string> lines;
        for (const auto& text : window.texts) {
            lines.push_back(text.text);
        }
        return lines;
    }

    HeadlessApp env;
    TTestForm* form = nullptr;
    TLabel* label = nullptr;
};

struct SizingCase {
    const char* name;
    const char* text;
    int widthAtChange;
    int width;
    int height;
};

class LabelSizingTest : public LabelTest, public ::testing::WithParamInterface<SizingCase> {};

// The text is laid out within the width the label has when the text changes.
TEST_P(LabelSizingTest, TakesTheSizeOfTheLaidOutBlock) {
    const SizingCase& c = GetParam();
    label->SetWidth(c.widthAtChange);
    label->SetCaption(c.text);
    EXPECT_EQ(label->Width(), c.width);
    EXPECT_EQ(label->Height(), c.height);
    EXPECT_EQ(label->Left(), 10);
    EXPECT_EQ(label->Top(), 20);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LabelSizingTest,
    ::testing::Values(
        SizingCase{"OneLineFits", "aaaa bbbb cccc", 100, 14 * kChar, kLine},
        SizingCase{"WrapsAtWords", "aaaa bbbb cccc", 50, 9 * kChar, 2 * kLine},
        SizingCase{"WidestLineWins", "aa bbbbbbb cc dd", 45, 7 * kChar, 3 * kLine},
        SizingCase{"LongWordKeepsItsLine", "a bbbbbbbbbbbb c", 30, 12 * kChar, 3 * kLine},
        SizingCase{"TrailingBlankIsNoLine", "aaaa bbbb ", 45, 9 * kChar, kLine},
        SizingCase{"EmptyIsOneBlank", "", 100, kChar, kLine},
        SizingCase{"AmpersandsAreMarks", "Computer && Internet", 200, 19 * kChar, kLine}),
    [](const auto& info) { return info.param.name; });

TEST_F(LabelTest, SettingTheWidthLaterDoesNotLayOutAgainButPaintingWraps) {
    label->SetWidth(30);
    label->SetCaption("aaaa bbbb cccc");  // three lines within 30 pixels
    ASSERT_EQ(label->Height(), 3 * kLine);

    label->SetWidth(497);
    EXPECT_EQ(label->Width(), 497);
    EXPECT_EQ(label->Height(), 3 * kLine);
    EXPECT_EQ(PaintedLines(), std::vector<std::string>{"aaaa bbbb cccc"});

    label->SetWidth(50);
    EXPECT_EQ(PaintedLines(), (std::vector<std::string>{"aaaa bbbb", "cccc"}));
}

TEST_F(LabelTest, SameTextChangesNothing) {
    label->SetCaption("aaaa bbbb");
    label->SetWidth(497);
    label->SetCaption("aaaa bbbb");
    EXPECT_EQ(label->Width(), 497);
}

TEST_F(LabelTest, AccessKeyMarksDoNotShow) {
    label->SetCaption("&Apri && chiudi");
    EXPECT_EQ(PaintedLines(), std::vector<std::string>{"Apri & chiudi"});
}

TEST_F(LabelTest, AlignmentPlacesEachLine) {
    label->SetAutoSize(false);
    label->SetWidth(50);
    label->SetCaption("aaaa bb");
    label->SetAlignment(taRightJustify);
    backend::HeadlessWindow& window = env.WindowOf(*form);
    form->Show();
    window.PaintAll();
    ASSERT_EQ(window.texts.size(), 1u);
    EXPECT_EQ(window.texts[0].origin.x, 10 + 50 - 7 * kChar);
    label->SetAlignment(taCenter);
    window.PaintAll();
    EXPECT_EQ(window.texts[0].origin.x, 10 + (50 - 7 * kChar) / 2);
}

TEST_F(LabelTest, RightAlignedAutoSizeKeepsTheRightEdge) {
    label->SetWordWrap(false);
    label->SetAlignment(taRightJustify);
    label->SetWidth(100);
    label->SetCaption("abc");
    EXPECT_EQ(label->Width(), 3 * kChar);
    EXPECT_EQ(label->Left() + label->Width(), 110);
}

}  // namespace
