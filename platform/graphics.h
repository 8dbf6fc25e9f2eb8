// Colours, fonts and pictures.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/backend/backend.h"
#include "platform/classes.h"
#include "platform/resources.h"

// Plain colours: 0x00BBGGRR. System colours: 0x80000000 | the system colour index.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = static_cast<TColor>(0x80000008);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);

// The plain colour a colour value stands for.
backend::Rgb ColorToRGB(TColor color);

// A colour as a layout writes it: a number or a colour name.
TPropertyInfo ColorProperty(std::string name, std::function<void(TPersistent&, TColor)> set);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

class TFont : public TPersistent {
public:
    AnsiString ClassName() const override { return "TFont"; }
    const TPropertyTable& Properties() const override;

    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool HasStyle(TFontStyle style) const { return (style_ >> style) & 1u; }
    void SetStyle(unsigned styleBits);

    void Assign(const TFont& source);
    backend::FontSpec Spec() const;

    // Told after every change.
    std::function<void()> OnChange;

private:
    void Changed();

    AnsiString name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    unsigned style_ = 0;
};

// Pixels decoded from a picture resource; copies are independent.
class TGraphic : public TPersistent {
public:
    int Width() const { return image_.width; }
    int Height() const { return image_.height; }
    bool Empty() const { return image_.argb.empty(); }
    const backend::Image& Image() const { return image_; }

    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    void SetImage(backend::Image image);

    std::function<void()> OnChange;

protected:
    virtual backend::Image Decode(std::span<const unsigned char> data) const = 0;

private:
    backend::Image image_;
};

class TBitmap : public TGraphic {
public:
    AnsiString ClassName() const override { return "TBitmap"; }
    const TPropertyTable& Properties() const override;
    void Assign(const TBitmap* source) { SetImage(source ? source->Image() : backend::Image{}); }

protected:
    backend::Image Decode(std::span<const unsigned char> data) const override;
};

using HICON = std::uintptr_t;

class TIcon : public TGraphic {
public:
    AnsiString ClassName() const override { return "TIcon"; }
    const TPropertyTable& Properties() const override;
    void Assign(const TIcon* source) { SetImage(source ? source->Image() : backend::Image{}); }
    // 0 while the icon holds no image.
    HICON Handle() const { return Empty() ? 0 : reinterpret_cast<HICON>(this); }

protected:
    backend::Image Decode(std::span<const unsigned char> data) const override;
};

class TPicture : public TPersistent {
public:
    TPicture();
    AnsiString ClassName() const override { return "TPicture"; }
    const TPropertyTable& Properties() const override;

    TBitmap* Bitmap() { return &bitmap_; }
    const TBitmap* Bitmap() const { return &bitmap_; }
    // Copies the source's picture; later changes to either do not reach the other.
    void SetBitmap(const TBitmap* source) { bitmap_.Assign(source); }

    std::function<void()> OnChange;

private:
    TBitmap bitmap_;
};
