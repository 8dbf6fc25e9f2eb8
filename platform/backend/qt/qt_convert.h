// Conversions between the backend's plain types and Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <string_view>

#include "platform/backend/backend.h"

namespace qtbackend {

QString ToQString(std::string_view ansi);
QColor ToQColor(backend::Rgb colour);
QRect ToQRect(const backend::Rect& rect);
// A view of the image's pixels, valid while the image lives.
QImage ToQImage(const backend::Image& image);
// The Windows faces the program asks for are substituted by installed free fonts.
QFont ToQFont(const backend::FontSpec& spec);

}  // namespace qtbackend
