#include "platform/screen.h"

#include "platform/application.h"

TScreen* Screen = nullptr;

HCURSOR TCursorTable::Find(TCursor index) const {
    auto found = cursors_.find(index);
    return found == cursors_.end() ? HCURSOR() : found->second;
}

int TScreen::Width() const {
    return Application->Backend().ScreenWidth();
}

int TScreen::Height() const {
    return Application->Backend().ScreenHeight();
}
