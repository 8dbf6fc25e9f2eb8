#include "platform/controls.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/properties.h"

TShiftState::TShiftState(std::initializer_list<TShiftStateFlag> flags) {
    for (TShiftStateFlag flag : flags) {
        *this << flag;
    }
}

TShiftState& TShiftState::operator<<(TShiftStateFlag flag) {
    bits_ |= 1u << flag;
    return *this;
}

namespace {

TShiftState ShiftFromKeys(std::uintptr_t keys) {
    TShiftState shift;
    if (keys & MK_SHIFT)
        shift << ssShift;
    if (keys & MK_CONTROL)
        shift << ssCtrl;
    if (keys & MK_LBUTTON)
        shift << ssLeft;
    if (keys & MK_RBUTTON)
        shift << ssRight;
    if (keys & MK_MBUTTON)
        shift << ssMiddle;
    return shift;
}

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    SetParent(nullptr);
    if (Application != nullptr) {
        Application->ControlDestroyed(this);
    }
}

const TPropertyTable& TControl::Available() {
    static const TPropertyTable table = {
        IntegerProperty<TControl>("Left", [](TControl& c, int v) { c.SetLeft(v); }),
        IntegerProperty<TControl>("Top", [](TControl& c, int v) { c.SetTop(v); }),
        IntegerProperty<TControl>("Width", [](TControl& c, int v) { c.SetWidth(v); }),
        IntegerProperty<TControl>("Height", [](TControl& c, int v) { c.SetHeight(v); }),
        IntegerProperty<TControl>("Cursor", [](TControl& c, int v) { c.Cursor = v; }),
        StringProperty<TControl>("Hint", [](TControl& c, const AnsiString& v) { c.Hint = v; }),
        StringProperty<TControl>("Caption",
                                 [](TControl& c, const AnsiString& v) { c.SetCaption(v); }),
        ColorProperty("Color",
                      [](TPersistent& c, TColor v) { static_cast<TControl&>(c).SetColor(v); }),
        ObjectProperty<TControl>("Font", [](TControl& c) { return c.Font(); }),
        BooleanProperty<TControl>("Enabled", [](TControl& c, bool v) { c.SetEnabled(v); }),
        BooleanProperty<TControl>("ParentShowHint",
                                  [](TControl& c, bool v) { c.SetParentShowHint(v); }),
        BooleanProperty<TControl>("ShowHint", [](TControl& c, bool v) { c.SetShowHint(v); }),
        BooleanProperty<TControl>("Visible", [](TControl& c, bool v) { c.SetVisible(v); }),
        EventProperty("OnClick", &TControl::OnClick),
        EventProperty("OnMouseDown", &TControl::OnMouseDown),
        EventProperty("OnMouseMove", &TControl::OnMouseMove),
        EventProperty("OnMouseUp", &TControl::OnMouseUp),
    };
    return table;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) {
        return;
    }
    if (parent_ != nullptr) {
        Invalidate();
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->controls_.push_back(this);
        Invalidate();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    backend::Rect bounds{left, top, width, height};
    if (bounds == bounds_) {
        return;
    }
    Invalidate();
    bounds_ = bounds;
    Invalidate();
}

void TControl::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        if (parent_ != nullptr) {
            parent_->InvalidateArea(bounds_, false);
        }
    }
}

void TControl::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        Invalidate();
    }
}

void TControl::SetShowHint(bool show) {
    showHint_ = show;
    parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool parentShowHint) {
    parentShowHint_ = parentShowHint;
}

bool TControl::HintEnabled() const {
    return parentShowHint_ && parent_ != nullptr ? parent_->HintEnabled() : showHint_;
}

void TControl::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        Invalidate();
    }
}

void TControl::SetCaption(const AnsiString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        TextChanged();
    }
}

void TControl::Dispatch(TMessage& message) {
    TShiftState shift = ShiftFromKeys(message.WParam);
    int x = MouseX(message.LParam);
    int y = MouseY(message.LParam);
    switch (message.Msg) {
        case WM_MOUSEMOVE:
            MouseMove(shift, x, y);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            clicked_ = true;
            MouseDown(mbLeft, message.Msg == WM_LBUTTONDBLCLK ? shift << ssDouble : shift, x, y);
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            MouseDown(mbRight, message.Msg == WM_RBUTTONDBLCLK ? shift << ssDouble : shift, x, y);
            break;
        case WM_MBUTTONDOWN:
            MouseDown(mbMiddle, shift, x, y);
            break;
        case WM_LBUTTONUP: {
            bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
            bool click = clicked_ && inside;
            clicked_ = false;
            if (click) {
                Click();
            }
            MouseUp(mbLeft, shift, x, y);
            break;
        }
        case WM_RBUTTONUP:
            MouseUp(mbRight, shift, x, y);
            break;
        case WM_MBUTTONUP:
            MouseUp(mbMiddle, shift, x, y);
            break;
        default:
            break;
    }
}

std::intptr_t TControl::Perform(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    TMessage message{msg, wParam, lParam, 0};
    Dispatch(message);
    return message.Result;
}

void TControl::Invalidate() {
    if (parent_ != nullptr && visible_) {
        parent_->InvalidateArea(bounds_, false);
    }
}

void TControl::Repaint() {
    if (parent_ != nullptr && visible_) {
        parent_->InvalidateArea(bounds_, true);
    }
}

void TControl::Paint(backend::Canvas&, backend::Point) {}

backend::Point TControl::FormOrigin() const {
    if (parent_ == nullptr) {
        return {};
    }
    backend::Point origin = parent_->FormOrigin();
    return {origin.x + Left(), origin.y + Top()};
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) {
        OnMouseDown(this, button, shift, x, y);
    }
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) {
        OnMouseMove(this, shift, x, y);
    }
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) {
        OnMouseUp(this, button, shift, x, y);
    }
}

void TControl::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

TWinControl::~TWinControl() {
    for (TControl* control : std::vector<TControl*>(controls_)) {
        control->SetParent(nullptr);
    }
}

TControl* TWinControl::ControlAtPos(backend::Point point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        const backend::Rect& r = control->BoundsRect();
        if (!control->Visible() || !control->Enabled() || point.x < r.left || point.y < r.top ||
            point.x >= r.left + r.width || point.y >= r.top + r.height) {
            continue;
        }
        if (auto* container = dynamic_cast<TWinControl*>(control)) {
            TControl* inner = container->ControlAtPos({point.x - r.left, point.y - r.top});
            return inner != nullptr ? inner : container;
        }
        return control;
    }
    return nullptr;
}

// Non-visual components nested in a container need nothing more: the root owns them.
void TWinControl::AdoptChild(TComponent& child) {
    if (auto* control = dynamic_cast<TControl*>(&child)) {
        control->SetParent(this);
    }
}

void TWinControl::Paint(backend::Canvas& canvas, backend::Point origin) {
    backend::Rect own{origin.x, origin.y, Width(), Height()};
    for (TControl* control : controls_) {
        if (!control->Visible()) {
            continue;
        }
        backend::Point at{origin.x + control->Left(), origin.y + control->Top()};
        canvas.SetClip(Intersect(own, {at.x, at.y, control->Width(), control->Height()}));
        control->Paint(canvas, at);
    }
}

void TWinControl::InvalidateArea(const backend::Rect& area, bool now) {
    if (Parent() != nullptr && Visible()) {
        Parent()->InvalidateArea({area.left + Left(), area.top + Top(), area.width, area.height},
                                 now);
    }
}

backend::Rect Intersect(const backend::Rect& a, const backend::Rect& b) {
    int left = std::max(a.left, b.left);
    int top = std::max(a.top, b.top);
    int right = std::min(a.left + a.width, b.left + b.width);
    int bottom = std::min(a.top + a.height, b.top + b.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

backend::Rect Union(const backend::Rect& a, const backend::Rect& b) {
    if (a.width <= 0 || a.height <= 0) {
        return b;
    }
    if (b.width <= 0 || b.height <= 0) {
        return a;
    }
    int left = std::min(a.left, b.left);
    int top = std::min(a.top, b.top);
    int right = std::max(a.left + a.width, b.left + b.width);
    int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}
