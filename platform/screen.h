// The screen: its size, the active form and the cursor table.
#pragma once

#include <map>

#include "platform/controls.h"
#include "platform/winapi.h"

class TForm;

// Cursors by number; a number without a cursor gives the default arrow.
class TCursorTable {
public:
    HCURSOR& operator[](TCursor index) { return cursors_[index]; }
    HCURSOR Find(TCursor index) const;

private:
    std::map<TCursor, HCURSOR> cursors_;
};

class TScreen {
public:
    int Width() const;
    int Height() const;
    TCursorTable Cursors;
    TForm* ActiveForm = nullptr;
};

extern TScreen* Screen;
