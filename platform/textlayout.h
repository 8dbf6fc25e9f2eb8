// Lays label text out in lines with the backend's measurements, so that every backend wraps
// and sizes text the same way.
#pragma once

#include <string>
#include <vector>

#include "platform/backend/backend.h"
#include "platform/sysutils.h"

// "&x" shows as x, "&&" as one ampersand.
AnsiString StripAccelerators(const AnsiString& caption);

struct TTextLine {
    AnsiString text;
    int width = 0;
};

struct TTextBlock {
    std::vector<TTextLine> lines;
    int width = 0;   // of the widest line
    int height = 0;  // of all lines together
};

// Breaks at blanks so that each line fits maxWidth where a break allows it; a word wider than
// maxWidth keeps a line of its own. Without wrapping the text is one line. Blanks at a break
// belong to neither line. Empty text is measured as one blank.
TTextBlock LayOutText(const AnsiString& text, const backend::FontSpec& font, bool wordWrap,
                      int maxWidth, backend::Backend& measure);
