// The application object: forms, the message loop with its posted messages and idle pass,
// hint timing and the exception display.
#pragma once

#include <deque>
#include <memory>

#include "platform/backend/backend.h"
#include "platform/classes.h"
#include "platform/graphics.h"
#include "platform/winapi.h"

class TControl;
class TForm;

class TApplication : public TComponent {
public:
    // Becomes the global Application; owns the backend and, through it, the window system.
    explicit TApplication(std::unique_ptr<backend::Backend> backend);
    ~TApplication() override;

    AnsiString ClassName() const override { return "TApplication"; }
    const TPropertyTable& Properties() const override;

    // Takes the program's icon, MAINICON, from its module.
    void Initialize();
    AnsiString Title;

    // Creates a form owned by the application. The reference is set before the form's layout
    // is read and its create handler runs, and cleared again when that fails; the first form
    // created becomes the main form.
    template <class T>
    void CreateForm(T*& reference) {
        auto* form = new T(this);
        reference = form;
        try {
            FormCreated(*form);
        } catch (...) {
            reference = nullptr;
            delete form;
            throw;
        }
    }

    TForm* MainForm() const { return mainForm_; }
    // Shows the main form once, then serves messages until Terminate.
    void Run();
    // Serves one message or, with none waiting, runs the idle pass and waits for events.
    // False when no event can come any more.
    bool HandleMessage();
    // Serves everything already waiting, without waiting.
    void ProcessMessages();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // The application's own hidden top-level window.
    HWND Handle();
    AnsiString ExeName() const;
    TIcon* Icon() { return &icon_; }

    int HintPause = 500;
    int HintShortPause = 50;
    int HintHidePause = 2500;

    // The error box: the title as caption, the message and a full stop, an error icon, OK.
    void ShowException(const Exception& error);
    // Runs an event handler; what it throws goes to the error box and the program goes on.
    template <class Action>
    void Protect(const Action& action) {
        try {
            action();
        } catch (const Exception& error) {
            ShowException(error);
        } catch (const std::exception& error) {
            ShowException(Exception(error.what()));
        }
    }

    backend::Backend& Backend() { return *backend_; }

    // Used by the class library's windows and controls.
    void Post(HWND window, const TMessage& message);
    void WindowDestroyed(HWND window);
    void PointerOver(TControl* control);
    void ControlDestroyed(TControl* control);

private:
    struct Posted {
        HWND window;
        TMessage message;
    };
    class HiddenWindow : public TWindowHandle {
    public:
        void WndProc(TMessage&) override {}
        // There is no taskbar button to hide: no window of the program shows in the taskbar.
        void ShowCommand(int) override {}
    };

    void FormCreated(TForm& form);
    bool DispatchPosted();
    void RequestPump();
    void Idle();
    void ShowHintFor(TControl* control);

    std::unique_ptr<backend::Backend> backend_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::deque<Posted> posted_;
    HiddenWindow handle_;
    TIcon icon_;
    TControl* pointerControl_ = nullptr;  // under the pointer, as the last mouse event saw it
    TControl* mouseControl_ = nullptr;    // as the last idle pass saw it
    bool hintShowing_ = false;
    int hintTimer_ = 0;
};

extern TApplication* Application;
