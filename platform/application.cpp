#include "platform/application.h"

#include <unistd.h>

#include <climits>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/screen.h"

TApplication* Application = nullptr;

TApplication::TApplication(std::unique_ptr<backend::Backend> backend)
    : TComponent(nullptr), backend_(std::move(backend)) {
    Application = this;
    Screen = new TScreen;
    AnsiString exe = ExeName();
    Title = exe.substr(exe.find_last_of('/') + 1);
}

TApplication::~TApplication() {
    // The forms go while the window system and the globals they use are still there.
    while (ComponentCount() > 0) {
        delete Components(ComponentCount() - 1);
    }
    delete Screen;
    Screen = nullptr;
    Application = nullptr;
}

const TPropertyTable& TApplication::Properties() const {
    return TComponent::Available();
}

void TApplication::Initialize() {
    if (HInstance != nullptr && !HInstance->Find("MAINICON").empty()) {
        icon_.LoadFromResourceName(HInstance, "MAINICON");
    }
}

void TApplication::FormCreated(TForm& form) {
    form.Construct();
    if (mainForm_ == nullptr) {
        mainForm_ = &form;
    }
}

void TApplication::Run() {
    if (mainForm_ != nullptr) {
        Protect([this] { mainForm_->Show(); });
    }
    while (!terminated_ && HandleMessage()) {
    }
}

bool TApplication::HandleMessage() {
    if (DispatchPosted()) {
        return true;
    }
    Idle();
    return terminated_ || backend_->WaitForEvents();
}

void TApplication::ProcessMessages() {
    backend_->ProcessPendingEvents();
    while (DispatchPosted()) {
    }
}

bool TApplication::DispatchPosted() {
    if (posted_.empty()) {
        return false;
    }
    Posted next = posted_.front();
    posted_.pop_front();
    Protect([&] { DeliverPosted(next.window, next.message); });
    return true;
}

void TApplication::Post(HWND window, const TMessage& message) {
    posted_.push_back({window, message});
    backend_->RequestPump([this] {
        while (DispatchPosted()) {
        }
    });
}

void TApplication::WindowDestroyed(HWND window) {
    std::erase_if(posted_, [window](const Posted& posted) { return posted.window == window; });
}

HWND TApplication::Handle() {
    return &handle_;
}

AnsiString TApplication::ExeName() const {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    return length > 0 ? AnsiString(path, static_cast<std::size_t>(length)) : AnsiString();
}

void TApplication::ShowException(const Exception& error) {
    AnsiString text = error.Message;
    if (text.empty() || text.back() != '.') {
        text += '.';
    }
    backend_->MessageBox(Title, text, backend::MessageIcon::Error);
}

void TApplication::PointerOver(TControl* control) {
    pointerControl_ = control;
}

void TApplication::ControlDestroyed(TControl* control) {
    if (pointerControl_ == control) {
        pointerControl_ = nullptr;
    }
    if (mouseControl_ == control) {
        mouseControl_ = nullptr;
    }
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* form = dynamic_cast<TForm*>(Components(i))) {
            form->ControlDestroyed(control);
        }
    }
}

// Tells a control that the pointer has left it, and moves the hint along, once the messages
// of the moment have been served.
void TApplication::Idle() {
    if (pointerControl_ == mouseControl_) {
        return;
    }
    TControl* left = mouseControl_;
    mouseControl_ = pointerControl_;
    if (left != nullptr) {
        Protect([left] { left->Perform(CM_MOUSELEAVE, 0, 0); });
    }
    ShowHintFor(mouseControl_);
}

void TApplication::ShowHintFor(TControl* control) {
    if (hintTimer_ != 0) {
        backend_->StopTimer(hintTimer_);
        hintTimer_ = 0;
    }
    bool wasShowing = hintShowing_;
    if (hintShowing_) {
        backend_->HideHint();
        hintShowing_ = false;
    }
    if (control == nullptr || control->Hint.empty() || !control->HintEnabled()) {
        return;
    }
    AnsiString text = control->Hint;
    auto show = [this, text] {
        hintTimer_ = 0;
        backend::Point at = backend_->CursorPos();
        backend_->ShowHint(text, at, HintHidePause);
        hintShowing_ = true;
    };
    int pause = wasShowing ? HintShortPause : HintPause;
    if (pause <= 0) {
        show();
    } else {
        hintTimer_ = backend_->StartTimer(pause, show);
    }
}
