#include "platform/stdctrls.h"

#include "platform/application.h"
#include "platform/properties.h"
#include "platform/textlayout.h"

static const bool registered = RegisterClass<TLabel>("TLabel");

TCustomLabel::TCustomLabel(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 65, 17);
}

const TPropertyTable& TCustomLabel::Available() {
    static const TPropertyTable table = {
        EnumProperty<TCustomLabel, TAlignment>(
            "Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
            [](TCustomLabel& l, TAlignment v) { l.SetAlignment(v); }),
        BooleanProperty<TCustomLabel>("AutoSize",
                                      [](TCustomLabel& l, bool v) { l.SetAutoSize(v); }),
        BooleanProperty<TCustomLabel>("Transparent",
                                      [](TCustomLabel& l, bool v) { l.SetTransparent(v); }),
        BooleanProperty<TCustomLabel>("WordWrap",
                                      [](TCustomLabel& l, bool v) { l.SetWordWrap(v); }),
    };
    return table;
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
    if (alignment != alignment_) {
        alignment_ = alignment;
        Invalidate();
    }
}

void TCustomLabel::SetAutoSize(bool autoSize) {
    if (autoSize != autoSize_) {
        autoSize_ = autoSize;
        AdjustBounds();
    }
}

void TCustomLabel::SetWordWrap(bool wordWrap) {
    if (wordWrap != wordWrap_) {
        wordWrap_ = wordWrap;
        AdjustBounds();
        Invalidate();
    }
}

void TCustomLabel::SetTransparent(bool transparent) {
    if (transparent != transparent_) {
        transparent_ = transparent;
        Invalidate();
    }
}

void TCustomLabel::TextChanged() {
    AdjustBounds();
    Invalidate();
}

// A stored layout keeps its designed sizes: only text set while running resizes the label.
void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || Loading() || Application == nullptr) {
        return;
    }
    TTextBlock block = LayOutText(StripAccelerators(Caption()), Font()->Spec(), wordWrap_, Width(),
                                  Application->Backend());
    int left = Left();
    if (alignment_ == taRightJustify) {
        left += Width() - block.width;
    }
    SetBounds(left, Top(), block.width, block.height);
}

void TCustomLabel::Paint(backend::Canvas& canvas, backend::Point origin) {
    if (!transparent_) {
        canvas.FillRect({origin.x, origin.y, Width(), Height()}, ColorToRGB(Color()));
    }
    backend::FontSpec font = Font()->Spec();
    backend::Backend& measure = Application->Backend();
    TTextBlock block = LayOutText(StripAccelerators(Caption()), font, wordWrap_, Width(), measure);
    int lineHeight = measure.LineHeight(font);
    int y = origin.y;
    for (const TTextLine& line : block.lines) {
        int x = origin.x;
        if (alignment_ == taRightJustify) {
            x += Width() - line.width;
        } else if (alignment_ == taCenter) {
            x += (Width() - line.width) / 2;
        }
        canvas.DrawText({x, y}, line.text, font, ColorToRGB(Font()->Color()));
        y += lineHeight;
    }
}

const TPropertyTable& TLabel::Properties() const {
    static const TPropertyTable table = PublishInOrder(
        {&TComponent::Available(), &TControl::Available(), &TCustomLabel::Available()},
        {"Name",     "Tag",     "Left",           "Top",         "Width",       "Height",
         "Cursor",   "Hint",    "Alignment",      "AutoSize",    "Caption",     "Color",
         "Enabled",  "Font",    "ParentShowHint", "ShowHint",    "Transparent", "Visible",
         "WordWrap", "OnClick", "OnMouseDown",    "OnMouseMove", "OnMouseUp"});
    return table;
}
