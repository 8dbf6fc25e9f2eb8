#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <ostream>
#include <string>

#include "platform/imagecodecs.h"
#include "platform/sysutils.h"
#include "tests/unit/imagecodecs/picture_writer.h"

namespace {

// Offsets of info-header fields inside a bitmap file.
constexpr std::size_t kInfo = kFileHeaderSize;
constexpr std::size_t kWidth = kInfo + 4;
constexpr std::size_t kHeight = kInfo + 8;
constexpr std::size_t kPlanes = kInfo + 12;
constexpr std::size_t kBitCount = kInfo + 14;
constexpr std::size_t kCompression = kInfo + 16;
constexpr std::size_t kColoursUsed = kInfo + 32;

// Every index differs from its neighbours to the right and below, so a swapped row order
// or a wrong bit order within a byte shows.
std::uint32_t IndexAt(int x, int y, int colours) {
    return (3 * x + 5 * y + 1) % colours;
}

// Red, green and blue differ in every pixel, so swapped channels show too.
std::uint32_t TrueColourAt(int x, int y) {
    return std::uint32_t(0x10 + 0x20 * x) << 16 | std::uint32_t(0x40 + 0x30 * y) << 8 |
           std::uint32_t(0x05 + x + 7 * y);
}

std::uint32_t PaletteColour(int index) {
    return std::uint32_t(0x11 * index) << 16 | std::uint32_t(0xF0 - 0x0D * index) << 8 |
           std::uint32_t(0x80 ^ index);
}

TestPicture Picture(int bitCount, bool topDown, int width, int height) {
    TestPicture picture{.width = width, .height = height, .bitCount = bitCount, .topDown = topDown};
    int colours = bitCount <= 8 ? 1 << bitCount : 0;
    for (int i = 0; i < colours; ++i) {
        picture.palette.push_back(PaletteColour(i));
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.pixels.push_back(bitCount <= 8 ? IndexAt(x, y, colours) : TrueColourAt(x, y));
        }
    }
    picture.unusedByte = 0x7F;
    return picture;
}

std::uint32_t ExpectedArgb(const TestPicture& picture, int x, int y) {
    std::uint32_t value = picture.pixels[std::size_t(y) * picture.width + x];
    return 0xFF000000u | (picture.bitCount <= 8 ? picture.palette[value] : value);
}

struct DepthCase {
    int bitCount;
    bool topDown;
    int width;  // chosen so that rows need padding
};

void PrintTo(const DepthCase& c, std::ostream* out) {
    *out << c.bitCount << " bpp, " << (c.topDown ? "top-down" : "bottom-up") << ", width "
         << c.width;
}

class BitmapDepths : public testing::TestWithParam<DepthCase> {};

TEST_P(BitmapDepths, DecodesEveryPixelOpaqueInItsPlace) {
    const DepthCase& param = GetParam();
    TestPicture picture = Picture(param.bitCount, param.topDown, param.width, 3);
    Bytes file = BitmapFile(picture);

    backend::Image image = DecodeBitmap(file);

    ASSERT_EQ(image.width, picture.width);
    ASSERT_EQ(image.height, picture.height);
    ASSERT_EQ(image.argb.size(), std::size_t(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            EXPECT_EQ(image.argb[std::size_t(y) * picture.width + x], ExpectedArgb(picture, x, y))
                << "pixel " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DepthsAndRowOrders, BitmapDepths,
                         testing::Values(DepthCase{1, false, 11}, DepthCase{1, true, 11},
                                         DepthCase{4, false, 5}, DepthCase{4, true, 5},
                                         DepthCase{8, false, 5}, DepthCase{8, true, 5},
                                         DepthCase{24, false, 3}, DepthCase{24, true, 3},
                                         DepthCase{32, false, 3}, DepthCase{32, true, 3}),
                         [](const testing::TestParamInfo<DepthCase>& info) {
                             return std::to_string(info.param.bitCount) + "bpp" +
                                    (info.param.topDown ? "TopDown" : "BottomUp");
                         });

TEST(BitmapPalette, ShortPaletteIsReadAsStoredAndPixelsFollowTheFileHeaderOffset) {
    TestPicture picture = Picture(8, false, 4, 2);
    picture.palette.resize(40);
    for (std::uint32_t& index : picture.pixels) {
        index %= 40;
    }
    Bytes file = BitmapFile(picture);
    // A gap between palette and pixels, as some writers leave.
    std::size_t pixelsAt = kFileHeaderSize + 40 + 4 * 40;
    file.insert(file.begin() + pixelsAt, 6, 0xEE);
    Set32(file, 10, static_cast<std::uint32_t>(pixelsAt + 6));

    backend::Image image = DecodeBitmap(file);

    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            EXPECT_EQ(image.argb[std::size_t(y) * picture.width + x], ExpectedArgb(picture, x, y));
        }
    }
}

std::string DecodeError(const Bytes& data) {
    try {
        DecodeBitmap(data);
    } catch (const Exception& error) {
        return error.Message;
    }
    return "(no error)";
}

TEST(BitmapTruncation, EveryCutOfAGoodFileFailsAndSaysSo) {
    Bytes file = BitmapFile(Picture(8, false, 5, 3));
    for (std::size_t size = 0; size < file.size(); ++size) {
        Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_NE(DecodeError(cut).find("cut short"), std::string::npos)
            << "cut to " << size << " bytes: " << DecodeError(cut);
    }
}

struct BrokenCase {
    const char* name;
    std::function<void(Bytes&)> breakIt;
    const char* saying;
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

class BrokenBitmaps : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenBitmaps, FailWithAMessageThatNamesTheFault) {
    Bytes file = BitmapFile(Picture(8, false, 5, 3));
    GetParam().breakIt(file);

    std::string message = DecodeError(file);

    EXPECT_NE(message.find("Invalid bitmap"), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().saying), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenBitmaps,
    testing::Values(
        BrokenCase{"NoSignature", [](Bytes& f) { f[1] = 'A'; }, "signature BM"},
        BrokenCase{"NoPixelOffset", [](Bytes& f) { Set32(f, 10, 0); }, "offset of the pixels"},
        BrokenCase{"CoreHeader", [](Bytes& f) { Set32(f, kInfo, 12); }, "info header has 12"},
        BrokenCase{"RunLengthEncoded", [](Bytes& f) { Set32(f, kCompression, 1); },
                   "compression 1"},
        BrokenCase{"SixteenBits", [](Bytes& f) { Set16(f, kBitCount, 16); }, "bit depth 16"},
        BrokenCase{"TwoPlanes", [](Bytes& f) { Set16(f, kPlanes, 2); }, "2 colour planes"},
        BrokenCase{"ZeroWidth", [](Bytes& f) { Set32(f, kWidth, 0); }, "size 0 x 3"},
        BrokenCase{"NegativeWidth", [](Bytes& f) { Set32(f, kWidth, 0xFFFFFFFB); }, "size -5 x 3"},
        BrokenCase{"ZeroHeight", [](Bytes& f) { Set32(f, kHeight, 0); }, "size 5 x 0"},
        BrokenCase{"MostNegativeHeight",
                   [](Bytes& f) { Set32(f, kHeight, std::uint32_t(INT_MIN)); }, "size 5 x -"},
        BrokenCase{"HugeWidth", [](Bytes& f) { Set32(f, kWidth, 0x7FFFFFFF); }, "size 2147483647"},
        BrokenCase{"PaletteTooLarge", [](Bytes& f) { Set32(f, kColoursUsed, 257); }, "257 colours"},
        BrokenCase{"TallerThanItsPixels", [](Bytes& f) { Set32(f, kHeight, 4); },
                   "the pixel data is cut short"},
        BrokenCase{"IndexPastThePalette",
                   [](Bytes& f) {
                       // Two colours stored; the pixels use more.
                       Set32(f, kColoursUsed, 2);
                   },
                   "refers to colour"}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

}  // namespace
