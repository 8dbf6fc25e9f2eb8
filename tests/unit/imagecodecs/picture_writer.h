// Writes small BMP, ICO and CUR files for the decoder tests, field by field, so that a test
// can break any one of them.
#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline void Put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

inline void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

inline void Set32(Bytes& data, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        data[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

inline void Set16(Bytes& data, std::size_t at, std::uint32_t value) {
    data[at] = static_cast<unsigned char>(value);
    data[at + 1] = static_cast<unsigned char>(value >> 8);
}

// A picture as a test wants to see it decoded: rows from the top.
struct TestPicture {
    int width = 0;
    int height = 0;
    int bitCount = 8;
    bool topDown = false;
    std::vector<std::uint32_t> palette = {};  // 0x00RRGGBB
    // Palette indices, or 0x00RRGGBB at 24 and 32 bits per pixel.
    std::vector<std::uint32_t> pixels = {};
    std::vector<bool> mask = {};   // AND bits, icons and cursors only
    unsigned char unusedByte = 0;  // the fourth byte of 32-bit pixels
};

namespace picture_writer_detail {

inline void PutRows(Bytes& out, const TestPicture& picture, int bits,
                    const auto& valueAt /* (x, y) -> value */) {
    std::size_t stride = (std::size_t(picture.width) * bits + 31) / 32 * 4;
    for (int i = 0; i < picture.height; ++i) {
        int y = picture.topDown ? i : picture.height - 1 - i;
        Bytes row(stride, 0);
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t value = valueAt(x, y);
            if (bits >= 24) {
                std::size_t at = std::size_t(x) * (bits / 8);
                row[at] = value & 0xFF;
                row[at + 1] = (value >> 8) & 0xFF;
                row[at + 2] = (value >> 16) & 0xFF;
                if (bits == 32) {
                    row[at + 3] = picture.unusedByte;
                }
            } else {
                std::size_t bit = std::size_t(x) * bits;
                row[bit / 8] |= static_cast<unsigned char>(value << (8 - bits - bit % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace picture_writer_detail

// Info header, palette, pixels and, when it has a mask, the AND mask.
inline Bytes DibBytes(const TestPicture& picture) {
    using picture_writer_detail::PutRows;
    bool withMask = !picture.mask.empty();
    std::size_t stride = (std::size_t(picture.width) * picture.bitCount + 31) / 32 * 4;
    Bytes out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(picture.width));
    int height = picture.height * (withMask ? 2 : 1);
    Put32(out, static_cast<std::uint32_t>(picture.topDown ? -height : height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(picture.bitCount));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(stride * picture.height));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(picture.palette.size()));
    Put32(out, 0);
    for (std::uint32_t colour : picture.palette) {
        Put32(out, colour);  // blue, green, red, unused
    }
    PutRows(out, picture, picture.bitCount,
            [&](int x, int y) { return picture.pixels[std::size_t(y) * picture.width + x]; });
    if (withMask) {
        PutRows(out, picture, 1, [&](int x, int y) {
            return picture.mask[std::size_t(y) * picture.width + x] ? 1u : 0u;
        });
    }
    return out;
}

constexpr std::size_t kFileHeaderSize = 14;

inline Bytes BitmapFile(const TestPicture& picture) {
    Bytes dib = DibBytes(picture);
    Bytes out = {'B', 'M'};
    Put32(out, static_cast<std::uint32_t>(kFileHeaderSize + dib.size()));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(kFileHeaderSize + 40 + 4 * picture.palette.size()));
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

constexpr std::size_t kDirectorySize = 6 + 16;

// An icon (type 1) or cursor (type 2) directory with one entry, then the image. For a
// cursor, x and y are the hot spot; for an icon, the planes and bits per pixel.
inline Bytes IconFile(std::uint32_t type, std::uint32_t x, std::uint32_t y, const Bytes& image,
                      int width, int height) {
    Bytes out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, 1);
    out.push_back(static_cast<unsigned char>(width));
    out.push_back(static_cast<unsigned char>(height));
    out.push_back(0);
    out.push_back(0);
    Put16(out, x);
    Put16(out, y);
    Put32(out, static_cast<std::uint32_t>(image.size()));
    Put32(out, static_cast<std::uint32_t>(kDirectorySize));
    out.insert(out.end(), image.begin(), image.end());
    return out;
}
