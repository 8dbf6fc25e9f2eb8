// A text label whose font colour follows the mouse ("roll"), and that can be the selected one
// ("active") of its group: the TRLabel components owned by its parent control. Within a group at
// most one label is rolled and at most one is active after each change.
#pragma once

#include "platform/stdctrls.h"

class TRLabel : public TCustomLabel {
public:
    explicit TRLabel(TComponent* owner);
    ~TRLabel() override;
    AnsiString ClassName() const override { return "TRLabel"; }
    const TPropertyTable& Properties() const override;

    // CM_MOUSELEAVE unrolls the label and goes no further; everything else goes to the base.
    void Dispatch(TMessage& message) override;

    virtual void MouseMoveRoll(TObject* Sender, TShiftState Shift, int X, int Y);
    virtual void MouseLeaveRoll(TMessage& message);
    virtual void ChangeActive(bool value);
    virtual void ChangeRoll(bool value);
    // Shows the colour at once, whatever Roll and Active are.
    virtual void ChangeColorOff(TColor value);

    TColor ColorOff() const { return colorOff_; }
    // Take effect at the next write of Roll or Active.
    TColor ColorOn = clBlack;
    TColor ColorActiveOff = clBlack;
    TColor ColorActiveOn = clBlack;
    bool Active() const { return active_; }
    bool Roll() const { return roll_; }

private:
    // Calls action on every other TRLabel that the parent owns, re-reading the count each step.
    template <class Action>
    void WalkGroup(const Action& action);
    void ApplyColor();

    TColor colorOff_ = clBlack;
    bool active_ = false;
    bool roll_ = false;
};

// Puts the component on the form designer's palette page "Custom".
void Register();
