// Pictures on a form.
#pragma once

#include "platform/controls.h"
#include "platform/graphics.h"

// Shows its picture stretched to its bounds, or unstretched from its top-left and cut at its
// bounds (and at the form's edges, which the image may reach past).
class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);
    AnsiString ClassName() const override { return "TImage"; }
    const TPropertyTable& Properties() const override;

    TPicture* Picture() { return &picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    void Paint(backend::Canvas& canvas, backend::Point origin) override;

private:
    TPicture picture_;
    bool stretch_ = false;
};
