#include "platform/imagecodecs.h"

#include <cstdint>
#include <string>

#include "platform/sysutils.h"

namespace {

// Little-endian reads that refuse to go past the end of the data.
class Reader {
public:
    Reader(std::span<const unsigned char> data, const char* format)
        : data_(data), format_(format) {}

    std::uint32_t U8(std::size_t at) const { return Byte(at); }
    std::uint32_t U16(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::int32_t S32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    void Need(std::size_t at, std::size_t count) const {
        if (at > data_.size() || count > data_.size() - at) {
            Fail("the data is cut short");
        }
    }
    [[noreturn]] void Fail(const std::string& reason) const {
        throw Exception(std::string("Invalid ") + format_ + " image: " + reason);
    }

private:
    std::uint32_t Byte(std::size_t at) const {
        Need(at, 1);
        return data_[at];
    }

    std::span<const unsigned char> data_;
    const char* format_;
};

// A device-independent bitmap: its header at offset, then its palette and pixels (and, in
// icons and cursors, the AND mask after the pixels).
struct Dib {
    int width = 0;
    int height = 0;  // of the picture, without the mask
    int bitCount = 0;
    bool topDown = false;
    std::size_t palette = 0;
    int paletteSize = 0;
    std::size_t pixels = 0;
    std::size_t mask = 0;  // 0 when there is none

    static std::size_t Stride(int width, int bits) {
        return ((std::size_t(width) * bits + 31) / 32) * 4;
    }
};

Dib ReadDib(const Reader& in, std::size_t header, std::size_t pixels, bool withMask) {
    Dib dib;
    std::uint32_t headerSize = in.U32(header);
    if (headerSize < 40) {
        in.Fail("only bitmaps with an info header of at least 40 bytes are supported");
    }
    std::int32_t width = in.S32(header + 4);
    std::int32_t height = in.S32(header + 8);
    dib.bitCount = static_cast<int>(in.U16(header + 14));
    std::uint32_t compression = in.U32(header + 16);
    std::uint32_t colours = in.U32(header + 32);
    if (compression != 0) {
        in.Fail("compressed bitmaps are not supported");
    }
    if (dib.bitCount != 1 && dib.bitCount != 4 && dib.bitCount != 8 && dib.bitCount != 24 &&
        dib.bitCount != 32) {
        in.Fail("unsupported bit depth " + std::to_string(dib.bitCount));
    }
    if (withMask) {
        height /= 2;  // the stored height counts the picture and its mask
    }
    dib.topDown = height < 0;
    dib.width = width;
    dib.height = height < 0 ? -height : height;
    if (width <= 0 || dib.height == 0 || width > 16384 || dib.height > 16384) {
        in.Fail("unsupported size " + std::to_string(width) + " x " + std::to_string(height));
    }
    dib.palette = header + headerSize;
    if (dib.bitCount <= 8) {
        dib.paletteSize = colours != 0 ? static_cast<int>(colours) : 1 << dib.bitCount;
        if (dib.paletteSize > 1 << dib.bitCount) {
            in.Fail("the palette is larger than the bit depth allows");
        }
    }
    dib.pixels = pixels != 0 ? pixels : dib.palette + 4 * std::size_t(dib.paletteSize);
    std::size_t size = Dib::Stride(dib.width, dib.bitCount) * dib.height;
    in.Need(dib.palette, 4 * std::size_t(dib.paletteSize));
    in.Need(dib.pixels, size);
    if (withMask) {
        dib.mask = dib.pixels + size;
        in.Need(dib.mask, Dib::Stride(dib.width, 1) * dib.height);
    }
    return dib;
}

// The stored row that shows at row y from the top.
std::size_t RowOffset(const Dib& dib, std::size_t start, int bits, int y) {
    int stored = dib.topDown ? y : dib.height - 1 - y;
    return start + Dib::Stride(dib.width, bits) * stored;
}

std::uint32_t PaletteIndex(const Reader& in, const Dib& dib, std::size_t row, int x) {
    switch (dib.bitCount) {
        case 1:
            return (in.U8(row + x / 8) >> (7 - x % 8)) & 1;
        case 4:
            return (in.U8(row + x / 2) >> (x % 2 == 0 ? 4 : 0)) & 0xF;
        default:
            return in.U8(row + x);
    }
}

// 0xAARRGGBB of pixel x in a row.
std::uint32_t Colour(const Reader& in, const Dib& dib, std::size_t row, int x) {
    if (dib.bitCount == 24 || dib.bitCount == 32) {
        std::size_t at = row + std::size_t(x) * (dib.bitCount / 8);
        return 0xFF000000u | in.U8(at + 2) << 16 | in.U8(at + 1) << 8 | in.U8(at);
    }
    std::uint32_t index = PaletteIndex(in, dib, row, x);
    if (index >= static_cast<std::uint32_t>(dib.paletteSize)) {
        in.Fail("a pixel refers past the palette");
    }
    std::size_t entry = dib.palette + 4 * index;
    return 0xFF000000u | in.U8(entry + 2) << 16 | in.U8(entry + 1) << 8 | in.U8(entry);
}

bool MaskBit(const Reader& in, const Dib& dib, int x, int y) {
    return (in.U8(RowOffset(dib, dib.mask, 1, y) + x / 8) >> (7 - x % 8)) & 1;
}

backend::Image Pixels(const Reader& in, const Dib& dib) {
    backend::Image image;
    image.width = dib.width;
    image.height = dib.height;
    image.argb.reserve(std::size_t(dib.width) * dib.height);
    for (int y = 0; y < dib.height; ++y) {
        std::size_t row = RowOffset(dib, dib.pixels, dib.bitCount, y);
        for (int x = 0; x < dib.width; ++x) {
            std::uint32_t colour = Colour(in, dib, row, x);
            if (dib.mask != 0 && MaskBit(in, dib, x, y)) {
                colour &= 0x00FFFFFFu;  // the AND mask lets the background through
            }
            image.argb.push_back(colour);
        }
    }
    return image;
}

// The first image of an icon or cursor directory; its entry's offset.
std::size_t FirstEntry(const Reader& in, std::uint32_t type) {
    if (in.U16(0) != 0 || in.U16(2) != type) {
        in.Fail(type == 1 ? "not an icon" : "not a cursor");
    }
    if (in.U16(4) == 0) {
        in.Fail("it holds no image");
    }
    return 6;
}

std::size_t EntryImage(const Reader& in, std::size_t entry, std::span<const unsigned char> data) {
    std::size_t offset = in.U32(entry + 12);
    in.Need(offset, 8);
    if (data[offset] == 0x89 && data[offset + 1] == 'P') {
        in.Fail("PNG-compressed images are not supported");
    }
    return offset;
}

}  // namespace

backend::Image DecodeBitmap(std::span<const unsigned char> data) {
    Reader in(data, "bitmap");
    if (in.U8(0) != 'B' || in.U8(1) != 'M') {
        in.Fail("it does not start with BM");
    }
    std::size_t pixels = in.U32(10);
    return Pixels(in, ReadDib(in, 14, pixels, false));
}

backend::Image DecodeIcon(std::span<const unsigned char> data) {
    Reader in(data, "icon");
    std::size_t entry = FirstEntry(in, 1);
    return Pixels(in, ReadDib(in, EntryImage(in, entry, data), 0, true));
}

backend::CursorImage DecodeCursor(std::span<const unsigned char> data) {
    Reader in(data, "cursor");
    std::size_t entry = FirstEntry(in, 2);
    Dib dib = ReadDib(in, EntryImage(in, entry, data), 0, true);
    if (dib.bitCount != 1) {
        in.Fail("only monochrome cursors are supported");
    }
    backend::CursorImage cursor;
    cursor.width = dib.width;
    cursor.height = dib.height;
    cursor.hotSpot = {static_cast<int>(in.U16(entry + 4)), static_cast<int>(in.U16(entry + 6))};
    cursor.pixels.reserve(std::size_t(dib.width) * dib.height);
    for (int y = 0; y < dib.height; ++y) {
        std::size_t row = RowOffset(dib, dib.pixels, 1, y);
        for (int x = 0; x < dib.width; ++x) {
            bool andBit = MaskBit(in, dib, x, y);
            bool light = (Colour(in, dib, row, x) & 0xFFFFFF) != 0;
            cursor.pixels.push_back(
                andBit ? (light ? backend::CursorImage::Invert : backend::CursorImage::Transparent)
                       : (light ? backend::CursorImage::White : backend::CursorImage::Black));
        }
    }
    return cursor;
}
