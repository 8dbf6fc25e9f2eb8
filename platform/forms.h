// Forms: top-level windows built from stored layouts.
#pragma once

#include <functional>
#include <memory>

#include "platform/controls.h"
#include "platform/layout.h"
#include "platform/winapi.h"

class TPopupMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
enum TCloseAction { caNone, caHide };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrCancel = 2;

// Kept only because layouts store it: the program never shows scroll bars.
class TControlScrollBar : public TPersistent {
public:
    AnsiString ClassName() const override { return "TControlScrollBar"; }
    const TPropertyTable& Properties() const override;
    bool Visible = true;
};

class TForm : public TWinControl, public TWindowHandle, public backend::WindowEvents {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    AnsiString ClassName() const override { return "TForm"; }
    const TPropertyTable& Properties() const override;

    // Reads the layout named after the class in upper case, then runs OnCreate; what OnCreate
    // throws goes to the error box and creation goes on.
    void Construct();

    // A form's bounds are the outer frame's top-left on the screen and the client area's
    // size, which is what its controls are laid out in; Width and Height below are the outer
    // size, frame included.
    void SetBounds(int left, int top, int clientWidth, int clientHeight) override;
    int ClientWidth() const { return TControl::Width(); }
    int ClientHeight() const { return TControl::Height(); }
    int Width() const;
    int Height() const;

    // Showing runs OnShow on each change from hidden to shown and activates the form.
    void SetVisible(bool visible) override;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Runs OnClose; then the main form ends the application, a modal form ends its modal
    // show and any other form hides (unless OnClose set caNone).
    void Close();
    TModalResult ShowModal();
    TModalResult ModalResult = mrNone;

    void SetCaption(const AnsiString& caption);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    void SetBorderIcons(unsigned iconBits);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    TPosition Position = poDesigned;
    TPopupMenu* PopupMenu = nullptr;
    TControlScrollBar HorzScrollBar;
    TControlScrollBar VertScrollBar;

    // Makes the native window exist.
    HWND Handle();
    bool HandleAllocated() const { return window_ != nullptr; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;

    void WndProc(TMessage& message) override;
    void ShowCommand(int command) override;
    void InvalidateArea(const backend::Rect& area, bool now) override;
    void Paint(backend::Canvas& canvas, backend::Point origin) override;
    // Lets go of a control that is being destroyed.
    void ControlDestroyed(TControl* control);

protected:
    // A form names the members and handlers its layout binds to.
    virtual void DeclareBindings(TLayoutBindings& bindings);

private:
    void ApplyStyle();
    void Activate();
    void MouseInput(const backend::MouseInput& input);

    // From the window system.
    void Paint(backend::Canvas& canvas, const backend::Rect& dirty) override;
    void Mouse(const backend::MouseInput& input) override;
    void MouseLeft() override;
    void CloseRequested() override;
    void Activated() override;
    void Moved(backend::Point frameTopLeft) override;

    std::unique_ptr<backend::NativeWindow> window_;
    // Invalidated since the last paint; an immediate repaint takes it along, so that what a
    // control left behind when it shrank vanishes with it.
    backend::Rect pending_;
    TFormBorderStyle borderStyle_ = bsSizeable;
    unsigned borderIcons_ = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
    TFormStyle formStyle_ = fsNormal;
    bool modal_ = false;
    bool shownBefore_ = false;
    TControl* captured_ = nullptr;  // the pressed control gets the moves until release
};
