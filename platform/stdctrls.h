// Text labels.
#pragma once

#include "platform/controls.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A windowless text caption. With AutoSize it takes the size of its text whenever the text
// changes: with WordWrap laid out within the width it has at that moment. Setting the width
// afterwards does not lay the text out again; painting wraps within the current width.
class TCustomLabel : public TControl {
public:
    explicit TCustomLabel(TComponent* owner);

    static const TPropertyTable& Available();

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    void Paint(backend::Canvas& canvas, backend::Point origin) override;

protected:
    void TextChanged() override;

private:
    void AdjustBounds();

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
    AnsiString ClassName() const override { return "TLabel"; }
    const TPropertyTable& Properties() const override;
};
