#include "components/trlabel.h"

#include "platform/properties.h"

static const bool registered = RegisterClass<TRLabel>("TRLabel");

TRLabel::TRLabel(TComponent* owner) : TCustomLabel(owner) {
    OnMouseMove = [this](TObject* sender, TShiftState shift, int x, int y) {
        MouseMoveRoll(sender, shift, x, y);
    };
}

TRLabel::~TRLabel() = default;

const TPropertyTable& TRLabel::Properties() const {
    static const TPropertyTable own = {
        ColorProperty("ColorOff",
                      [](TPersistent& l, TColor v) { static_cast<TRLabel&>(l).ChangeColorOff(v); }),
        ColorProperty("ColorOn",
                      [](TPersistent& l, TColor v) { static_cast<TRLabel&>(l).ColorOn = v; }),
        ColorProperty(
            "ColorActiveOff",
            [](TPersistent& l, TColor v) { static_cast<TRLabel&>(l).ColorActiveOff = v; }),
        ColorProperty("ColorActiveOn",
                      [](TPersistent& l, TColor v) { static_cast<TRLabel&>(l).ColorActiveOn = v; }),
        BooleanProperty<TRLabel>("Active", [](TRLabel& l, bool v) { l.ChangeActive(v); }),
        BooleanProperty<TRLabel>("Roll", [](TRLabel& l, bool v) { l.ChangeRoll(v); }),
    };
    static const TPropertyTable table = PublishInOrder(
        {&TComponent::Available(), &TControl::Available(), &TCustomLabel::Available(), &own},
        {"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "ColorOff", "ColorOn",
         "ColorActiveOff", "ColorActiveOn", "Active", "Roll", "Caption", "Font", "Enabled",
         "Transparent", "OnClick"});
    return table;
}

void TRLabel::Dispatch(TMessage& message) {
    if (message.Msg == CM_MOUSELEAVE) {
        MouseLeaveRoll(message);
        return;
    }
    TCustomLabel::Dispatch(message);
}

void TRLabel::MouseMoveRoll(TObject*, TShiftState, int, int) {
    ChangeRoll(true);
}

void TRLabel::MouseLeaveRoll(TMessage&) {
    ChangeRoll(false);
}

template <class Action>
void TRLabel::WalkGroup(const Action& action) {
    TWinControl* parent = Parent();
    if (parent == nullptr) {
        return;
    }
    for (int i = 0; i < parent->ComponentCount(); ++i) {
        TComponent* component = parent->Components(i);
        if (component != this && SameText(component->ClassName(), "TRLabel")) {
            action(*static_cast<TRLabel*>(component));
        }
    }
}

void TRLabel::ChangeRoll(bool value) {
    roll_ = value;
    if (value) {
        WalkGroup([](TRLabel& partner) { partner.ChangeRoll(false); });
    }
    ApplyColor();
}

// Each partner's ChangeActive(false) rolls that partner for a moment; rolling this label last
// leaves it the only rolled one.
void TRLabel::ChangeActive(bool value) {
    active_ = value;
    if (value) {
        WalkGroup([](TRLabel& partner) { partner.ChangeActive(false); });
    }
    ChangeRoll(true);
}

void TRLabel::ChangeColorOff(TColor value) {
    colorOff_ = value;
    Font()->SetColor(value);
}

void TRLabel::ApplyColor() {
    if (active_) {
        Font()->SetColor(roll_ ? ColorActiveOn : ColorActiveOff);
    } else {
        Font()->SetColor(roll_ ? ColorOn : colorOff_);
    }
}

void Register() {
    RegisterComponents("Custom", {"TRLabel"});
}
