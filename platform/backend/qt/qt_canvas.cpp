#include "platform/backend/qt/qt_canvas.h"

#include "platform/backend/qt/qt_convert.h"

namespace qtbackend {

void QtCanvas::SetClip(const backend::Rect& clip) {
    painter_.setClipRect(ToQRect(clip));
}

void QtCanvas::FillRect(const backend::Rect& area, backend::Rgb colour) {
    painter_.fillRect(ToQRect(area), ToQColor(colour));
}

void QtCanvas::DrawImage(const backend::Rect& dest, const backend::Image& image) {
    painter_.drawImage(ToQRect(dest), ToQImage(image));
}

void QtCanvas::DrawText(backend::Point origin, std::string_view text, const backend::FontSpec& font,
                        backend::Rgb colour) {
    painter_.setFont(ToQFont(font));
    painter_.setPen(ToQColor(colour));
    painter_.drawText(QPoint(origin.x, origin.y + painter_.fontMetrics().ascent()),
                      ToQString(text));
}

}  // namespace qtbackend
