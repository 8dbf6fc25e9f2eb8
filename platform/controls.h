// Controls: the windowless base TControl and the container TWinControl. A form owns the one
// native window; its controls are painted, hit-tested and fed the mouse by the class library.
#pragma once

#include <functional>
#include <vector>

#include "platform/backend/backend.h"
#include "platform/classes.h"
#include "platform/graphics.h"
#include "platform/messages.h"

class TWinControl;

using TCursor = int;
constexpr TCursor crDefault = 0;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

class TShiftState {
public:
    TShiftState() = default;
    TShiftState(std::initializer_list<TShiftStateFlag> flags);
    TShiftState& operator<<(TShiftStateFlag flag);
    bool Contains(TShiftStateFlag flag) const { return (bits_ >> flag) & 1u; }
    bool Empty() const { return bits_ == 0; }
    bool operator==(const TShiftState&) const = default;

private:
    unsigned bits_ = 0;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // Every property a control can publish; each class publishes its own selection.
    static const TPropertyTable& Available();

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);
    const backend::Rect& BoundsRect() const { return bounds_; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TCursor Cursor = crDefault;
    AnsiString Hint;
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint);
    // Whether this control's hint shows: its own setting, or its parent's.
    bool HintEnabled() const;

    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // The message handler; the class library sends mouse messages and CM_MOUSELEAVE here.
    virtual void Dispatch(TMessage& message);
    std::intptr_t Perform(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

    // Marks the control's area for painting from the event loop.
    void Invalidate();
    // Paints the control's area before returning.
    void Repaint();
    // Draws the control with its top-left at origin, in the form's client coordinates.
    virtual void Paint(backend::Canvas& canvas, backend::Point origin);

    // The control's top-left in the client coordinates of its form.
    backend::Point FormOrigin() const;

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }

private:
    TWinControl* parent_ = nullptr;
    backend::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    bool clicked_ = false;  // pressed with the left button; a release inside it clicks
    TFont font_;
    TColor color_ = clBtnFace;
    AnsiString caption_;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }

    // The topmost visible, enabled control at a point of this container's client area,
    // looking into nested containers; null when the point is on the container itself.
    TControl* ControlAtPos(backend::Point point) const;

    void AdoptChild(TComponent& child) override;
    void Paint(backend::Canvas& canvas, backend::Point origin) override;

    // Passes an area of this container (its own coordinates) up to the form's window.
    virtual void InvalidateArea(const backend::Rect& area, bool now);

private:
    friend class TControl;
    std::vector<TControl*> controls_;  // in stacking order, the topmost last
};

// The cut of two rectangles; width or height 0 when they do not meet.
backend::Rect Intersect(const backend::Rect& a, const backend::Rect& b);
// The smallest rectangle holding both; an empty one holds nothing.
backend::Rect Union(const backend::Rect& a, const backend::Rect& b);
