#include "platform/backend/qt/qt_convert.h"

#include <QStringList>
#include <array>

#include "platform/sysutils.h"

namespace qtbackend {

namespace {

struct FontSubstitute {
    const char* requested;
    QStringList installed;  // the first one present wins
};

QStringList FamiliesFor(const std::string& requested) {
    static const std::array<FontSubstitute, 2> substitutes = {{
        {"Comic Sans MS", {"Comic Neue"}},
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    }};
    const QString name = ToQString(requested);
    for (const auto& substitute : substitutes) {
        if (name.compare(QLatin1String(substitute.requested), Qt::CaseInsensitive) == 0) {
            return substitute.installed;
        }
    }
    return {name};
}

}  // namespace

QString ToQString(std::string_view ansi) {
    return QString::fromStdString(AnsiToUtf8(ansi));
}

QColor ToQColor(backend::Rgb colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QRect ToQRect(const backend::Rect& rect) {
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

QImage ToQImage(const backend::Image& image) {
    return QImage(reinterpret_cast<const uchar*>(image.argb.data()), image.width, image.height,
                  image.width * 4, QImage::Format_ARGB32);
}

QFont ToQFont(const backend::FontSpec& spec) {
    QFont font;
    font.setFamilies(FamiliesFor(spec.name));
    font.setPixelSize(spec.pixelSize);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    return font;
}

}  // namespace qtbackend
