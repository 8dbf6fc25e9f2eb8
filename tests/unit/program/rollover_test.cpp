#include "components/trlabel.h"
#include "tests/unit/program/program_fixture.h"

namespace {

constexpr TColor kOff = 9836;
constexpr TColor kOn = 2895804;

// A container that owns no components: the labels placed in it are owned by the form.
class TPanel : public TWinControl {
public:
    using TWinControl::TWinControl;
    AnsiString ClassName() const override { return "TPanel"; }
    const TPropertyTable& Properties() const override { return TControl::Available(); }
};

class RolloverTest : public ProgramTest {
protected:
    RolloverTest() { Start(); }

    void PointAt(TControl* control) {
        backend::Point at = control->FormOrigin();
        WindowOf(*Report).MoveTo(at.x + control->Width() / 2, at.y + control->Height() / 2);
    }
    void IdlePass() { app.HandleMessage(); }

    TRLabel* NewLabel(TWinControl* parent, int left, TColor off, TColor on, TColor activeOff,
                      TColor activeOn) {
        auto* label = new TRLabel(Report);
        label->SetParent(parent);
        label->SetBounds(left, 5, 20, 20);
        label->ChangeColorOff(off);
        label->ColorOn = on;
        label->ColorActiveOff = activeOff;
        label->ColorActiveOn = activeOn;
        return label;
    }

    TColor ColourOf(TRLabel* label) { return label->Font()->Color(); }
};

TEST_F(RolloverTest, TheArrowsRollUnderThePointerOneAtATime) {
    EXPECT_EQ(ColourOf(Report->Avanti), kOff);
    PointAt(Report->Avanti);
    EXPECT_EQ(ColourOf(Report->Avanti), kOn);
    EXPECT_EQ(ColourOf(Report->Indietro), kOff);

    PointAt(Report->Indietro);  // straight from one arrow to the other
    EXPECT_TRUE(Report->Indietro->Roll());
    EXPECT_EQ(ColourOf(Report->Indietro), kOn);
    EXPECT_FALSE(Report->Avanti->Roll());
    EXPECT_EQ(ColourOf(Report->Avanti), kOff);
    IdlePass();  // the first arrow's leave notification changes nothing more
    EXPECT_EQ(ColourOf(Report->Avanti), kOff);
    EXPECT_EQ(ColourOf(Report->Indietro), kOn);

    WindowOf(*Report).MoveTo(100, 150);  // the background
    EXPECT_EQ(ColourOf(Report->Indietro), kOn) << "until the leave notification";
    IdlePass();
    EXPECT_EQ(ColourOf(Report->Indietro), kOff);
    EXPECT_EQ(ColourOf(Report->Avanti), kOff);
}

TEST_F(RolloverTest, ALabelInAContainerOwningNothingHasNoPartners) {
    auto* panel = new TPanel(Report);
    panel->SetParent(Report);
    panel->SetBounds(10, 150, 100, 40);
    TRLabel* alone = NewLabel(panel, 5, 1, 2, 3, 4);
    PointAt(Report->Avanti);
    PointAt(alone);
    IdlePass();
    EXPECT_TRUE(alone->Roll());
    EXPECT_EQ(ColourOf(alone), 2);
    EXPECT_TRUE(Report->Avanti->Roll()) << "its neighbours are not its group";
    EXPECT_EQ(ColourOf(Report->Avanti), kOn);
    WindowOf(*Report).MoveTo(300, 180);
    IdlePass();
    EXPECT_FALSE(alone->Roll());
    EXPECT_EQ(ColourOf(alone), 1);
}

TEST_F(RolloverTest, ColoursWrittenOnARolledLabel) {
    PointAt(Report->Avanti);
    Report->Avanti->ChangeColorOff(255);
    EXPECT_EQ(ColourOf(Report->Avanti), 255) << "ColorOff shows at once";
    EXPECT_TRUE(Report->Avanti->Roll());
    Report->Avanti->ColorOn = 65280;
    EXPECT_EQ(ColourOf(Report->Avanti), 255) << "ColorOn waits for the next roll";
    PointAt(Report->Avanti);
    EXPECT_EQ(ColourOf(Report->Avanti), 65280);
}

TEST_F(RolloverTest, ActiveSelectsOneLabelOfTheGroup) {
    TRLabel* a = NewLabel(Report, 10, 11, 12, 13, 14);
    TRLabel* b = NewLabel(Report, 40, 21, 22, 23, 24);
    TRLabel* c = NewLabel(Report, 70, 31, 32, 33, 34);
    b->ChangeActive(true);
    a->ChangeActive(true);
    struct Expected {
        TRLabel* label;
        bool active;
        bool roll;
        TColor colour;
    };
    for (Expected e :
         {Expected{a, true, true, 14}, Expected{b, false, false, 21}, Expected{c, false, false, 31},
          Expected{Report->Avanti, false, false, kOff}}) {
        EXPECT_EQ(e.label->Active(), e.active);
        EXPECT_EQ(e.label->Roll(), e.roll);
        EXPECT_EQ(ColourOf(e.label), e.colour);
    }
    c->ChangeActive(false);  // not active: still rolls it
    EXPECT_TRUE(c->Roll());
    EXPECT_EQ(ColourOf(c), 32);
    EXPECT_TRUE(a->Active()) << "writing false leaves the partners' Active";
    EXPECT_FALSE(a->Roll());
}

TEST_F(RolloverTest, ALabelWithoutParentOnlyRecoloursItself) {
    TRLabel* loose = NewLabel(nullptr, 0, 1, 2, 3, 4);
    PointAt(Report->Avanti);
    loose->ChangeRoll(true);
    EXPECT_EQ(ColourOf(loose), 2);
    loose->ChangeActive(true);
    EXPECT_EQ(ColourOf(loose), 4);
    EXPECT_TRUE(Report->Avanti->Roll());
}

TEST(RolloverLabel, PublishesNineteenPropertiesAndSitsOnTheCustomPage) {
    TRLabel label(nullptr);
    std::vector<std::string> names;
    for (const TPropertyInfo& info : label.Properties()) {
        names.push_back(info.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint",
                         "ColorOff", "ColorOn", "ColorActiveOff", "ColorActiveOn", "Active", "Roll",
                         "Caption", "Font", "Enabled", "Transparent", "OnClick"}));
    EXPECT_TRUE(label.AutoSize());
    EXPECT_EQ(PalettePage("TRLabel"), "");
    Register();
    EXPECT_EQ(PalettePage("TRLabel"), "Custom");
}

}  // namespace
