#include "platform/graphics.h"

#include <array>
#include <utility>

#include "platform/imagecodecs.h"
#include "platform/properties.h"

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr std::array<NamedColor, 18> kColorNames = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clWindowText", clWindowText},
    {"clBtnFace", clBtnFace},
}};

TColor LayoutColor(const TLayoutValue& value, const std::string& property) {
    if (std::holds_alternative<long long>(value.value)) {
        return static_cast<TColor>(LayoutInteger(value, property));
    }
    const std::string& name = LayoutIdentifier(value, property);
    for (const NamedColor& named : kColorNames) {
        if (SameText(named.name, name)) {
            return named.color;
        }
    }
    throw Exception("Invalid value " + value.Describe() + " for " + property +
                    ": expected a colour");
}

}  // namespace

backend::Rgb ColorToRGB(TColor color) {
    switch (color) {
        case clWindowText:
            return 0x000000;
        case clBtnFace:
            return 0xF0F0F0;
        default:
            return static_cast<backend::Rgb>(color) & 0xFFFFFF;
    }
}

TPropertyInfo ColorProperty(std::string name, std::function<void(TPersistent&, TColor)> set) {
    return TypedProperty<TPersistent, TColor>(std::move(name), LayoutColor, std::move(set));
}

const TPropertyTable& TFont::Properties() const {
    static const TPropertyTable table = {
        // Text is always Windows-1252, so the character set is kept only for the layout's sake.
        EnumProperty<TFont, int>("Charset", {"ANSI_CHARSET", "DEFAULT_CHARSET"},
                                 [](TFont&, int) {}),
        ColorProperty("Color",
                      [](TPersistent& f, TColor v) { static_cast<TFont&>(f).SetColor(v); }),
        IntegerProperty<TFont>("Height", [](TFont& f, int v) { f.SetHeight(v); }),
        StringProperty<TFont>("Name", [](TFont& f, const AnsiString& v) { f.SetName(v); }),
        EnumProperty<TFont, int>("Pitch", {"fpDefault", "fpVariable", "fpFixed"},
                                 [](TFont&, int) {}),
        SetProperty<TFont>("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"},
                           [](TFont& f, unsigned v) { f.SetStyle(v); }),
    };
    return table;
}

void TFont::SetName(const AnsiString& name) {
    if (name != name_) {
        name_ = name;
        Changed();
    }
}

void TFont::SetHeight(int height) {
    if (height != height_) {
        height_ = height;
        Changed();
    }
}

void TFont::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        Changed();
    }
}

void TFont::SetStyle(unsigned styleBits) {
    if (styleBits != style_) {
        style_ = styleBits;
        Changed();
    }
}

void TFont::Assign(const TFont& source) {
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

backend::FontSpec TFont::Spec() const {
    backend::FontSpec spec;
    spec.name = name_;
    // A positive height is the cell height, of which the character takes about four fifths.
    spec.pixelSize = height_ < 0 ? -height_ : (height_ * 4 + 2) / 5;
    spec.bold = HasStyle(fsBold);
    spec.italic = HasStyle(fsItalic);
    spec.underline = HasStyle(fsUnderline);
    spec.strikeOut = HasStyle(fsStrikeOut);
    return spec;
}

void TFont::Changed() {
    if (OnChange) {
        OnChange();
    }
}

void TGraphic::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
    std::span<const unsigned char> data =
        instance != nullptr ? instance->Find(name) : std::span<const unsigned char>();
    if (data.empty()) {
        throw Exception("Resource " + name + " not found");
    }
    SetImage(Decode(data));
}

void TGraphic::SetImage(backend::Image image) {
    image_ = std::move(image);
    if (OnChange) {
        OnChange();
    }
}

namespace {

// A picture stored in a layout names a resource of the program's module.
template <class Graphic>
TPropertyTable ResourceProperty() {
    return {StringProperty<Graphic>("Resource", [](Graphic& g, const AnsiString& name) {
        g.LoadFromResourceName(HInstance, name);
    })};
}

}  // namespace

const TPropertyTable& TBitmap::Properties() const {
    static const TPropertyTable table = ResourceProperty<TBitmap>();
    return table;
}

backend::Image TBitmap::Decode(std::span<const unsigned char> data) const {
    return DecodeBitmap(data);
}

const TPropertyTable& TIcon::Properties() const {
    static const TPropertyTable table = ResourceProperty<TIcon>();
    return table;
}

backend::Image TIcon::Decode(std::span<const unsigned char> data) const {
    return DecodeIcon(data);
}

TPicture::TPicture() {
    bitmap_.OnChange = [this] {
        if (OnChange) {
            OnChange();
        }
    };
}

const TPropertyTable& TPicture::Properties() const {
    static const TPropertyTable table = {
        StringProperty<TPicture>("Resource",
                                 [](TPicture& p, const AnsiString& name) {
                                     p.Bitmap()->LoadFromResourceName(HInstance, name);
                                 }),
    };
    return table;
}
