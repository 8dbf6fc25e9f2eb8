#include "platform/winapi.h"

#include "platform/application.h"
#include "platform/imagecodecs.h"

namespace {

// ShowWindowAsync travels as a posted message of the class library's own.
constexpr unsigned kAsyncShow = WM_USER + 0x7F00;

}  // namespace

TWindowHandle::~TWindowHandle() {
    if (Application != nullptr) {
        Application->WindowDestroyed(this);
    }
}

void DeliverPosted(HWND window, TMessage& message) {
    if (message.Msg == kAsyncShow) {
        window->ShowCommand(static_cast<int>(message.WParam));
    } else {
        window->WndProc(message);
    }
}

BOOL ShowWindow(HWND window, int command) {
    window->ShowCommand(command);
    return 1;
}

BOOL ShowWindowAsync(HWND window, int command) {
    return PostMessageA(window, kAsyncShow, static_cast<std::uintptr_t>(command), 0);
}

BOOL PostMessageA(HWND window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    Application->Post(window, TMessage{msg, wParam, lParam, 0});
    return 1;
}

std::intptr_t ShellExecuteA(HWND, const char*, const char* file, const char*, const char*, int) {
    return Application->Backend().OpenDocument(file) ? 42 : SE_ERR_NOASSOC;
}

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
    std::span<const unsigned char> data =
        instance != nullptr ? instance->Find(name) : std::span<const unsigned char>();
    if (data.empty()) {
        return nullptr;
    }
    return Application->Backend().CreateCursor(DecodeCursor(data));
}
