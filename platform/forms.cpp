#include "platform/forms.h"

#include <algorithm>
#include <cctype>

#include "platform/application.h"
#include "platform/menus.h"
#include "platform/properties.h"
#include "platform/screen.h"

const TPropertyTable& TControlScrollBar::Properties() const {
    static const TPropertyTable table = {
        BooleanProperty<TControlScrollBar>("Visible",
                                           [](TControlScrollBar& s, bool v) { s.Visible = v; }),
    };
    return table;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    TControl::SetVisible(false);
    SetColor(clBtnFace);
}

TForm::~TForm() {
    if (Screen != nullptr && Screen->ActiveForm == this) {
        Screen->ActiveForm = nullptr;
    }
}

const TPropertyTable& TForm::Properties() const {
    static const TPropertyTable own = {
        IntegerProperty<TForm>(
            "ClientWidth",
            [](TForm& f, int v) { f.SetBounds(f.Left(), f.Top(), v, f.ClientHeight()); }),
        IntegerProperty<TForm>(
            "ClientHeight",
            [](TForm& f, int v) { f.SetBounds(f.Left(), f.Top(), f.ClientWidth(), v); }),
        StringProperty<TForm>("Caption", [](TForm& f, const AnsiString& v) { f.SetCaption(v); }),
        SetProperty<TForm>("BorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"},
                           [](TForm& f, unsigned v) { f.SetBorderIcons(v); }),
        EnumProperty<TForm, TFormBorderStyle>(
            "BorderStyle",
            {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
            [](TForm& f, TFormBorderStyle v) { f.SetBorderStyle(v); }),
        EnumProperty<TForm, TFormStyle>("FormStyle",
                                        {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"},
                                        [](TForm& f, TFormStyle v) { f.SetFormStyle(v); }),
        ObjectProperty<TForm>("HorzScrollBar", [](TForm& f) { return &f.HorzScrollBar; }),
        ObjectProperty<TForm>("VertScrollBar", [](TForm& f) { return &f.VertScrollBar; }),
        // Sizes are used as they stand: the program is not scaled to the screen's density.
        IntegerProperty<TForm>("PixelsPerInch", [](TForm&, int) {}),
        BooleanProperty<TForm>("Scaled", [](TForm&, bool) {}),
        EnumProperty<TForm, TPosition>(
            "Position",
            {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter"},
            [](TForm& f, TPosition v) { f.Position = v; }),
        ReferenceProperty<TForm, TPopupMenu>("PopupMenu",
                                             [](TForm& f, TPopupMenu* m) { f.PopupMenu = m; }),
        EventProperty("OnActivate", &TForm::OnActivate),
        EventProperty("OnClose", &TForm::OnClose),
        EventProperty("OnCreate", &TForm::OnCreate),
        EventProperty("OnShow", &TForm::OnShow),
    };
    static const TPropertyTable table =
        PublishInOrder({&TComponent::Available(), &TControl::Available(), &own},
                       {"Left",          "Top",           "BorderIcons", "BorderStyle", "Caption",
                        "ClientHeight",  "ClientWidth",   "Color",       "Font",        "FormStyle",
                        "HorzScrollBar", "VertScrollBar", "Position",    "PopupMenu",   "Scaled",
                        "ShowHint",      "OnActivate",    "OnClose",     "OnCreate",    "OnShow",
                        "PixelsPerInch"});
    return table;
}

void TForm::DeclareBindings(TLayoutBindings&) {}

void TForm::Construct() {
    TLayoutBindings bindings;
    DeclareBindings(bindings);
    AnsiString resource = ClassName();
    std::transform(resource.begin(), resource.end(), resource.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    ReadLayoutResource(*this, resource, bindings);
    if (OnCreate) {
        Application->Protect([this] { OnCreate(this); });
    }
}

void TForm::SetBounds(int left, int top, int clientWidth, int clientHeight) {
    const backend::Rect old = BoundsRect();
    TControl::SetBounds(left, top, clientWidth, clientHeight);
    if (window_ == nullptr) {
        return;
    }
    if (old.left != left || old.top != top) {
        window_->SetFramePosition({left, top});
    }
    if (old.width != clientWidth || old.height != clientHeight) {
        window_->SetClientSize(clientWidth, clientHeight);
    }
}

int TForm::Width() const {
    backend::FrameMargins frame = window_ ? window_->Frame() : backend::FrameMargins{};
    return ClientWidth() + frame.left + frame.right;
}

int TForm::Height() const {
    backend::FrameMargins frame = window_ ? window_->Frame() : backend::FrameMargins{};
    return ClientHeight() + frame.top + frame.bottom;
}

HWND TForm::Handle() {
    if (window_ == nullptr) {
        window_ = Application->Backend().CreateWindow(*this);
        window_->SetCaption(Caption());
        ApplyStyle();
        if (!Application->Icon()->Empty()) {
            window_->SetIcon(Application->Icon()->Image());
        }
        window_->SetClientSize(ClientWidth(), ClientHeight());
        window_->SetFramePosition({Left(), Top()});
    }
    return this;
}

void TForm::SetVisible(bool visible) {
    if (visible == Visible()) {
        return;
    }
    Handle();
    TControl::SetVisible(visible);
    if (!visible) {
        window_->SetVisible(false);
        if (Screen->ActiveForm == this) {
            Screen->ActiveForm = nullptr;
        }
        return;
    }
    if (!shownBefore_ && Position == poScreenCenter) {
        SetBounds(std::max(0, (Screen->Width() - Width()) / 2),
                  std::max(0, (Screen->Height() - Height()) / 2), ClientWidth(), ClientHeight());
    }
    shownBefore_ = true;
    if (OnShow) {
        Application->Protect([this] { OnShow(this); });
    }
    window_->SetVisible(true);
    Activate();
}

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose) {
        OnClose(this, action);
    }
    if (action == caNone) {
        return;
    }
    if (modal_) {
        ModalResult = mrCancel;
    } else if (Application->MainForm() == this) {
        Application->Terminate();
    } else {
        Hide();
    }
}

TModalResult TForm::ShowModal() {
    if (Visible()) {
        throw EInvalidOperation("Cannot make a visible window modal");
    }
    std::vector<TForm*> disabled;
    for (int i = 0; i < Application->ComponentCount(); ++i) {
        auto* form = dynamic_cast<TForm*>(Application->Components(i));
        if (form != nullptr && form != this && form->Visible()) {
            form->window_->SetEnabled(false);
            disabled.push_back(form);
        }
    }
    modal_ = true;
    ModalResult = mrNone;
    Show();
    while (ModalResult == mrNone && !Application->Terminated() && Application->HandleMessage()) {
    }
    if (ModalResult == mrNone) {
        ModalResult = mrCancel;
    }
    Hide();
    modal_ = false;
    for (TForm* form : disabled) {
        form->window_->SetEnabled(true);
    }
    return ModalResult;
}

void TForm::SetCaption(const AnsiString& caption) {
    TControl::SetCaption(caption);
    if (window_ != nullptr) {
        window_->SetCaption(caption);
    }
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    ApplyStyle();
}

void TForm::SetBorderIcons(unsigned iconBits) {
    borderIcons_ = iconBits;
    ApplyStyle();
}

void TForm::SetFormStyle(TFormStyle style) {
    formStyle_ = style;
    ApplyStyle();
}

void TForm::ApplyStyle() {
    if (window_ == nullptr) {
        return;
    }
    auto has = [this](TBorderIcon icon) { return (borderIcons_ >> icon) & 1u; };
    bool framed = borderStyle_ != bsNone;
    bool captionButtons = framed && borderStyle_ != bsDialog && borderStyle_ != bsToolWindow &&
                          borderStyle_ != bsSizeToolWin;
    backend::WindowStyle style;
    style.titleBar = framed;
    style.systemMenu = framed && has(biSystemMenu);
    style.minimizeBox = captionButtons && style.systemMenu && has(biMinimize);
    style.maximizeBox = captionButtons && style.systemMenu && has(biMaximize);
    style.resizable = borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin;
    style.stayOnTop = formStyle_ == fsStayOnTop;
    window_->SetStyle(style);
}

void TForm::Activate() {
    window_->Activate();
    Activated();
}

void TForm::WndProc(TMessage&) {}

void TForm::ShowCommand(int command) {
    SetVisible(command != SW_HIDE);
}

void TForm::InvalidateArea(const backend::Rect& area, bool now) {
    if (window_ == nullptr || !Visible()) {
        return;
    }
    if (now) {
        window_->RepaintNow(Union(pending_, area));
    } else {
        pending_ = Union(pending_, area);
        window_->Invalidate(area);
    }
}

void TForm::Paint(backend::Canvas& canvas, backend::Point origin) {
    canvas.SetClip({origin.x, origin.y, ClientWidth(), ClientHeight()});
    canvas.FillRect({origin.x, origin.y, ClientWidth(), ClientHeight()}, ColorToRGB(Color()));
    TWinControl::Paint(canvas, origin);
}

void TForm::ControlDestroyed(TControl* control) {
    if (captured_ == control) {
        captured_ = nullptr;
    }
}

void TForm::Paint(backend::Canvas& canvas, const backend::Rect&) {
    pending_ = {};
    Application->Protect([&] { Paint(canvas, backend::Point{}); });
}

void TForm::Mouse(const backend::MouseInput& input) {
    Application->Protect([&] { MouseInput(input); });
}

void TForm::MouseInput(const backend::MouseInput& input) {
    TControl* hit = ControlAtPos(input.client);
    TControl* under = hit != nullptr ? hit : this;
    Application->PointerOver(under);
    TControl* target = captured_ != nullptr ? captured_ : under;
    window_->SetCursor(Screen->Cursors.Find(target->Cursor));

    std::uintptr_t keys = 0;
    if (input.state & backend::kShift)
        keys |= MK_SHIFT;
    if (input.state & backend::kCtrl)
        keys |= MK_CONTROL;
    if (input.state & backend::kLeftHeld)
        keys |= MK_LBUTTON;
    if (input.state & backend::kRightHeld)
        keys |= MK_RBUTTON;
    if (input.state & backend::kMiddleHeld)
        keys |= MK_MBUTTON;

    using Action = backend::MouseInput::Action;
    unsigned msg = WM_MOUSEMOVE;
    if (input.action != Action::Move) {
        static constexpr unsigned kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
        static constexpr unsigned kDouble[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN};
        static constexpr unsigned kUp[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
        int button = input.button == backend::MouseButton::Right    ? 1
                     : input.button == backend::MouseButton::Middle ? 2
                                                                    : 0;
        msg = input.action == Action::Press         ? kDown[button]
              : input.action == Action::DoubleClick ? kDouble[button]
                                                    : kUp[button];
        if (input.action != Action::Release && captured_ == nullptr) {
            captured_ = target;
        }
    }
    backend::Point origin = target->FormOrigin();
    target->Perform(msg, keys,
                    MakeMouseLParam(input.client.x - origin.x, input.client.y - origin.y));
    constexpr unsigned kHeld = backend::kLeftHeld | backend::kRightHeld | backend::kMiddleHeld;
    if (input.action == Action::Release && (input.state & kHeld) == 0) {
        captured_ = nullptr;
    }
}

void TForm::MouseLeft() {
    Application->PointerOver(nullptr);
}

void TForm::CloseRequested() {
    Application->Protect([this] { Close(); });
}

void TForm::Activated() {
    if (Screen->ActiveForm == this) {
        return;
    }
    Screen->ActiveForm = this;
    if (OnActivate) {
        Application->Protect([this] { OnActivate(this); });
    }
}

void TForm::Moved(backend::Point frameTopLeft) {
    TControl::SetBounds(frameTopLeft.x, frameTopLeft.y, ClientWidth(), ClientHeight());
}
