#include "platform/imagecodecs.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/sysutils.h"

namespace {

// Larger pictures are certainly not ours; the bound also keeps the size arithmetic small.
constexpr std::int64_t kMaxSide = 16384;

// Little-endian reads that refuse to go past the end of the data.
class Reader {
public:
    Reader(std::span<const unsigned char> data, std::string_view format)
        : data_(data), format_(format) {}

    std::span<const unsigned char> Data() const { return data_; }
    std::uint32_t U8(std::size_t at) const { return Byte(at); }
    std::uint32_t U16(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::int32_t S32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }

    void Need(std::size_t at, std::size_t count, std::string_view what) const {
        if (at > data_.size() || count > data_.size() - at) {
            Fail(std::string(what) + " is cut short: " + std::to_string(count) +
                 " bytes at offset " + std::to_string(at) + ", but the data ends at " +
                 std::to_string(data_.size()));
        }
    }
    [[noreturn]] void Fail(const std::string& reason) const {
        throw Exception("Invalid " + std::string(format_) + ": " + reason);
    }

private:
    std::uint32_t Byte(std::size_t at) const {
        Need(at, 1, "the header");
        return data_[at];
    }

    std::span<const unsigned char> data_;
    std::string_view format_;
};

// A device-independent bitmap: its header, then its palette and pixels and, in icons and
// cursors, the AND mask after the pixels.
struct Dib {
    int width = 0;
    int height = 0;  // of the picture, without the mask
    int bitCount = 0;
    bool topDown = false;
    std::size_t palette = 0;
    std::size_t paletteSize = 0;
    std::size_t pixels = 0;
    bool hasMask = false;
    std::size_t mask = 0;

    std::size_t Stride(int bits) const { return (std::size_t(width) * bits + 31) / 32 * 4; }

    // The stored row that shows at row y from the top.
    std::size_t Row(std::size_t start, int bits, int y) const {
        int stored = topDown ? y : height - 1 - y;
        return start + Stride(bits) * stored;
    }
};

// pixelsAt is where the pixels start when a file header says so; 0 when they follow the
// palette, as in icons and cursors.
Dib ReadDib(const Reader& in, std::size_t header, std::size_t pixelsAt, bool withMask) {
    std::uint32_t headerSize = in.U32(header);
    if (headerSize < 40) {
        in.Fail("the info header has " + std::to_string(headerSize) +
                " bytes; only headers of 40 bytes or more are supported");
    }
    in.Need(header, headerSize, "the info header");
    std::int64_t width = in.S32(header + 4);
    std::int64_t height = in.S32(header + 8);
    std::uint32_t planes = in.U16(header + 12);
    std::uint32_t bitCount = in.U16(header + 14);
    std::uint32_t compression = in.U32(header + 16);
    std::uint32_t colours = in.U32(header + 32);
    if (planes != 1) {
        in.Fail("the header gives " + std::to_string(planes) + " colour planes instead of 1");
    }
    if (compression != 0) {
        in.Fail("compression " + std::to_string(compression) +
                " is not supported, only uncompressed pixels");
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) {
        in.Fail("bit depth " + std::to_string(bitCount) + " is not supported");
    }
    if (withMask) {
        height /= 2;  // the stored height counts the picture and its mask
    }
    if (width < 1 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide) {
        in.Fail("the size " + std::to_string(width) + " x " + std::to_string(height) +
                " is not supported");
    }

    Dib dib;
    dib.width = static_cast<int>(width);
    dib.height = static_cast<int>(height < 0 ? -height : height);
    dib.topDown = height < 0;
    dib.bitCount = static_cast<int>(bitCount);
    dib.palette = header + headerSize;
    if (bitCount <= 8) {
        std::size_t most = std::size_t(1) << bitCount;
        dib.paletteSize = colours != 0 ? colours : most;
        if (dib.paletteSize > most) {
            in.Fail("the palette has " + std::to_string(colours) + " colours, more than " +
                    std::to_string(bitCount) + " bits per pixel can address");
        }
        in.Need(dib.palette, 4 * dib.paletteSize, "the palette");
    }
    dib.pixels = pixelsAt != 0 ? pixelsAt : dib.palette + 4 * dib.paletteSize;
    std::size_t pixelBytes = dib.Stride(dib.bitCount) * dib.height;
    in.Need(dib.pixels, pixelBytes, "the pixel data");
    if (withMask) {
        dib.hasMask = true;
        dib.mask = dib.pixels + pixelBytes;
        in.Need(dib.mask, dib.Stride(1) * dib.height, "the AND mask");
    }
    return dib;
}

std::uint32_t Rgb(const Reader& in, std::size_t at) {
    return in.U8(at + 2) << 16 | in.U8(at + 1) << 8 | in.U8(at);
}

// 0x00RRGGBB of pixel x in a stored row; the fourth byte of 32-bit pixels is unused.
std::uint32_t Colour(const Reader& in, const Dib& dib, std::size_t row, int x) {
    if (dib.bitCount > 8) {
        return Rgb(in, row + std::size_t(x) * (dib.bitCount / 8));
    }
    std::size_t bit = std::size_t(x) * dib.bitCount;
    std::uint32_t index =
        (in.U8(row + bit / 8) >> (8 - dib.bitCount - bit % 8)) & ((1u << dib.bitCount) - 1);
    if (index >= dib.paletteSize) {
        in.Fail("a pixel refers to colour " + std::to_string(index) + " of a palette of " +
                std::to_string(dib.paletteSize));
    }
    return Rgb(in, dib.palette + 4 * index);
}

bool MaskBit(const Reader& in, const Dib& dib, int x, int y) {
    return (in.U8(dib.Row(dib.mask, 1, y) + x / 8) >> (7 - x % 8)) & 1;
}

backend::Image Pixels(const Reader& in, const Dib& dib) {
    backend::Image image;
    image.width = dib.width;
    image.height = dib.height;
    image.argb.reserve(std::size_t(dib.width) * dib.height);
    for (int y = 0; y < dib.height; ++y) {
        std::size_t row = dib.Row(dib.pixels, dib.bitCount, y);
        for (int x = 0; x < dib.width; ++x) {
            // A set AND bit lets the background through.
            bool transparent = dib.hasMask && MaskBit(in, dib, x, y);
            image.argb.push_back(Colour(in, dib, row, x) | (transparent ? 0 : 0xFF000000u));
        }
    }
    return image;
}

constexpr std::uint32_t kIconType = 1;
constexpr std::uint32_t kCursorType = 2;
constexpr std::size_t kFirstEntry = 6;

// The first image of an icon or cursor directory, as the bytes its entry names.
std::span<const unsigned char> FirstImage(const Reader& in, std::uint32_t type) {
    std::uint32_t reserved = in.U16(0);
    std::uint32_t stored = in.U16(2);
    if (reserved != 0 || stored != type) {
        in.Fail(std::string("the directory does not start as ") +
                (type == kIconType ? "an icon's" : "a cursor's") + " (reserved " +
                std::to_string(reserved) + ", type " + std::to_string(stored) + ")");
    }
    if (in.U16(4) == 0) {
        in.Fail("the directory holds no image");
    }
    std::uint32_t size = in.U32(kFirstEntry + 8);
    std::uint32_t offset = in.U32(kFirstEntry + 12);
    in.Need(offset, size, "the first image");
    std::span<const unsigned char> image = in.Data().subspan(offset, size);
    constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G'};
    if (image.size() >= 4 && std::equal(image.begin(), image.begin() + 4, kPngSignature)) {
        in.Fail("the first image is PNG-compressed; only bitmap images are supported");
    }
    return image;
}

}  // namespace

backend::Image DecodeBitmap(std::span<const unsigned char> data) {
    Reader in(data, "bitmap");
    if (in.U8(0) != 'B' || in.U8(1) != 'M') {
        in.Fail("it does not start with the signature BM");
    }
    std::uint32_t pixels = in.U32(10);
    if (pixels == 0) {
        in.Fail("the file header gives no offset of the pixels");
    }
    return Pixels(in, ReadDib(in, 14, pixels, false));
}

backend::Image DecodeIcon(std::span<const unsigned char> data) {
    Reader directory(data, "icon");
    Reader in(FirstImage(directory, kIconType), "icon");
    return Pixels(in, ReadDib(in, 0, 0, true));
}

backend::CursorImage DecodeCursor(std::span<const unsigned char> data) {
    Reader directory(data, "cursor");
    Reader in(FirstImage(directory, kCursorType), "cursor");
    Dib dib = ReadDib(in, 0, 0, true);
    if (dib.bitCount != 1) {
        in.Fail("it has " + std::to_string(dib.bitCount) +
                " bits per pixel; only monochrome cursors are supported");
    }
    backend::CursorImage cursor;
    cursor.width = dib.width;
    cursor.height = dib.height;
    cursor.hotSpot = {static_cast<int>(directory.U16(kFirstEntry + 4)),
                      static_cast<int>(directory.U16(kFirstEntry + 6))};
    if (cursor.hotSpot.x >= cursor.width || cursor.hotSpot.y >= cursor.height) {
        in.Fail("the hot spot " + std::to_string(cursor.hotSpot.x) + ", " +
                std::to_string(cursor.hotSpot.y) + " lies outside the " +
                std::to_string(cursor.width) + " x " + std::to_string(cursor.height) + " picture");
    }
    cursor.pixels.reserve(std::size_t(dib.width) * dib.height);
    for (int y = 0; y < dib.height; ++y) {
        std::size_t row = dib.Row(dib.pixels, 1, y);
        for (int x = 0; x < dib.width; ++x) {
            bool screen = MaskBit(in, dib, x, y);
            bool light = Colour(in, dib, row, x) != 0;
            using Pixel = backend::CursorImage::Pixel;
            cursor.pixels.push_back(screen ? (light ? Pixel::Invert : Pixel::Transparent)
                                           : (light ? Pixel::White : Pixel::Black));
        }
    }
    return cursor;
}
