// The Windows calls the program makes, served by the class library's own windows and the
// backend.
#pragma once

#include <cstdint>

#include "platform/backend/backend.h"
#include "platform/messages.h"
#include "platform/resources.h"

// Whatever a window handle stands for: a form, the application's own window, or a utility
// window that passes its messages to a component.
class TWindowHandle {
public:
    virtual ~TWindowHandle();
    virtual void WndProc(TMessage& message) = 0;
    virtual void ShowCommand(int command) = 0;
};

using HWND = TWindowHandle*;
using HCURSOR = backend::CursorHandle;
using BOOL = int;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;
constexpr std::intptr_t SE_ERR_NOASSOC = 31;

BOOL ShowWindow(HWND window, int command);
// Queues the command behind the messages already waiting; it takes effect from the loop.
BOOL ShowWindowAsync(HWND window, int command);
// Delivered to the window's WndProc from the message loop, after the current work, in order.
BOOL PostMessageA(HWND window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
// Opens a web address or a local file with the desktop's opener: above 32 when an opener took
// it, SE_ERR_NOASSOC when none did.
std::intptr_t ShellExecuteA(HWND owner, const char* operation, const char* file,
                            const char* parameters, const char* directory, int showCommand);
// Null when the module has no cursor of that name.
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);

// Hands a posted message to its window; used by the message loop.
void DeliverPosted(HWND window, TMessage& message);
