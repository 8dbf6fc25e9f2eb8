#include "platform/textlayout.h"

#include <algorithm>

AnsiString StripAccelerators(const AnsiString& caption) {
    AnsiString shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

namespace {

AnsiString TrimRightBlanks(const AnsiString& text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == AnsiString::npos ? AnsiString() : text.substr(0, end + 1);
}

}  // namespace

TTextBlock LayOutText(const AnsiString& text, const backend::FontSpec& font, bool wordWrap,
                      int maxWidth, backend::Backend& measure) {
    TTextBlock block;
    auto addLine = [&](AnsiString line) {
        int width = measure.TextWidth(font, line);
        block.lines.push_back({std::move(line), width});
        block.width = std::max(block.width, width);
    };
    if (text.empty()) {
        addLine(" ");
    } else if (!wordWrap) {
        addLine(text);
    } else {
        std::size_t start = 0;
        while (start < text.size()) {
            // Grow the line word by word while it fits.
            std::size_t end = text.find(' ', start);
            end = end == AnsiString::npos ? text.size() : end;
            while (end < text.size()) {
                std::size_t next = text.find_first_not_of(' ', end);
                if (next == AnsiString::npos) {
                    end = text.size();
                    break;
                }
                std::size_t nextEnd = std::min(text.find(' ', next), text.size());
                if (measure.TextWidth(font, TrimRightBlanks(text.substr(start, nextEnd - start))) >
                    maxWidth) {
                    break;
                }
                end = nextEnd;
            }
            addLine(TrimRightBlanks(text.substr(start, end - start)));
            start = text.find_first_not_of(' ', end);
            start = start == AnsiString::npos ? text.size() : start;
        }
    }
    block.height = static_cast<int>(block.lines.size()) * measure.LineHeight(font);
    return block;
}
