#include "platform/extctrls.h"

#include "platform/properties.h"

static const bool registered = RegisterClass<TImage>("TImage");

TImage::TImage(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { Invalidate(); };
}

const TPropertyTable& TImage::Properties() const {
    static const TPropertyTable own = {
        ObjectProperty<TImage>("Picture", [](TImage& i) { return i.Picture(); }),
        BooleanProperty<TImage>("Stretch", [](TImage& i, bool v) { i.SetStretch(v); }),
    };
    static const TPropertyTable table = PublishInOrder(
        {&TComponent::Available(), &TControl::Available(), &own},
        {"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Picture", "Stretch",
         "Visible", "OnClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
    return table;
}

void TImage::SetStretch(bool stretch) {
    if (stretch != stretch_) {
        stretch_ = stretch;
        Invalidate();
    }
}

void TImage::Paint(backend::Canvas& canvas, backend::Point origin) {
    const TBitmap* bitmap = picture_.Bitmap();
    if (bitmap->Empty()) {
        return;
    }
    backend::Rect dest = stretch_
                             ? backend::Rect{origin.x, origin.y, Width(), Height()}
                             : backend::Rect{origin.x, origin.y, bitmap->Width(), bitmap->Height()};
    canvas.DrawImage(dest, bitmap->Image());
}
