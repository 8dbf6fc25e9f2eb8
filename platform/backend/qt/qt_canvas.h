// Painting on a window's client area during its paint event.
#pragma once

#include <QPainter>

#include "platform/backend/backend.h"

namespace qtbackend {

class QtCanvas final : public backend::Canvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) {}

    void SetClip(const backend::Rect& clip) override;
    void FillRect(const backend::Rect& area, backend::Rgb colour) override;
    void DrawImage(const backend::Rect& dest, const backend::Image& image) override;
    void DrawText(backend::Point origin, std::string_view text, const backend::FontSpec& font,
                  backend::Rgb colour) override;

private:
    QPainter& painter_;
};

}  // namespace qtbackend
