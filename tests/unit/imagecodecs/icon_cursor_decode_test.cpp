#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "platform/imagecodecs.h"
#include "platform/sysutils.h"
#include "tests/unit/imagecodecs/picture_writer.h"

namespace {

using Pixel = backend::CursorImage::Pixel;

constexpr std::uint32_t kIcon = 1;
constexpr std::uint32_t kCursor = 2;
constexpr std::size_t kEntrySize = 6 + 8;
constexpr std::size_t kEntryOffset = 6 + 12;

// 3 x 2, 8 bits per pixel; the mask leaves out the top-left and the bottom-right pixel, so a
// mask read in the wrong row order shows.
TestPicture MaskedIcon() {
    return TestPicture{.width = 3,
                       .height = 2,
                       .bitCount = 8,
                       .palette = {0x000000, 0xC04020, 0x20A040, 0x3050F0},
                       .pixels = {1, 2, 3, 3, 2, 1},
                       .mask = {true, false, false, false, false, true}};
}

Bytes IconWith(const TestPicture& picture) {
    return IconFile(kIcon, 1, static_cast<std::uint32_t>(picture.bitCount), DibBytes(picture),
                    picture.width, picture.height);
}

TEST(IconDecode, TheAndMaskBecomesTheAlphaAndTheRestKeepsItsColours) {
    TestPicture picture = MaskedIcon();

    backend::Image image = DecodeIcon(IconWith(picture));

    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    ASSERT_EQ(image.argb.size(), 6u);
    for (std::size_t i = 0; i < image.argb.size(); ++i) {
        std::uint32_t alpha = picture.mask[i] ? 0x00 : 0xFF;
        EXPECT_EQ(image.argb[i] >> 24, alpha) << "pixel " << i;
        if (!picture.mask[i]) {
            EXPECT_EQ(image.argb[i] & 0xFFFFFF, picture.palette[picture.pixels[i]])
                << "pixel " << i;
        }
    }
}

// 4 x 2, one pixel of each kind per row, in a different order in each row.
TestPicture FourKindCursor(std::vector<std::uint32_t> palette) {
    return TestPicture{.width = 4,
                       .height = 2,
                       .bitCount = 1,
                       .palette = std::move(palette),
                       .pixels = {0, 1, 0, 1, 1, 0, 1, 0},
                       .mask = {false, false, true, true, true, true, false, false}};
}

struct CursorPaletteCase {
    const char* name;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> expected;
};

void PrintTo(const CursorPaletteCase& c, std::ostream* out) {
    *out << c.name;
}

class CursorPixels : public testing::TestWithParam<CursorPaletteCase> {};

TEST_P(CursorPixels, FollowTheMaskAndTheColourOfEachPixel) {
    TestPicture picture = FourKindCursor(GetParam().palette);
    Bytes file = IconFile(kCursor, 3, 1, DibBytes(picture), picture.width, picture.height);

    backend::CursorImage cursor = DecodeCursor(file);

    EXPECT_EQ(cursor.width, 4);
    EXPECT_EQ(cursor.height, 2);
    EXPECT_EQ(cursor.hotSpot, (backend::Point{3, 1}));
    EXPECT_EQ(cursor.pixels, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, CursorPixels,
    testing::Values(
        CursorPaletteCase{"BlackThenWhite",
                          {0x000000, 0xFFFFFF},
                          {Pixel::Black, Pixel::White, Pixel::Transparent, Pixel::Invert,
                           Pixel::Invert, Pixel::Transparent, Pixel::White, Pixel::Black}},
        CursorPaletteCase{"WhiteThenBlack",
                          {0xFFFFFF, 0x000000},
                          {Pixel::White, Pixel::Black, Pixel::Invert, Pixel::Transparent,
                           Pixel::Transparent, Pixel::Invert, Pixel::Black, Pixel::White}}),
    [](const testing::TestParamInfo<CursorPaletteCase>& info) { return info.param.name; });

Bytes GoodCursor() {
    TestPicture picture = FourKindCursor({0x000000, 0xFFFFFF});
    return IconFile(kCursor, 3, 1, DibBytes(picture), picture.width, picture.height);
}

template <typename Decode>
std::string DecodeError(Decode decode, const Bytes& data) {
    try {
        decode(data);
    } catch (const Exception& error) {
        return error.Message;
    }
    return "(no error)";
}

TEST(IconCursorTruncation, EveryCutOfAGoodFileFailsAndSaysSo) {
    const Bytes icon = IconWith(MaskedIcon());
    const Bytes cursor = GoodCursor();
    for (std::size_t size = 0; size < icon.size(); ++size) {
        Bytes cut(icon.begin(), icon.begin() + static_cast<std::ptrdiff_t>(size));
        std::string message = DecodeError(DecodeIcon, cut);
        EXPECT_NE(message.find("cut short"), std::string::npos) << size << ": " << message;
    }
    for (std::size_t size = 0; size < cursor.size(); ++size) {
        Bytes cut(cursor.begin(), cursor.begin() + static_cast<std::ptrdiff_t>(size));
        std::string message = DecodeError(DecodeCursor, cut);
        EXPECT_NE(message.find("cut short"), std::string::npos) << size << ": " << message;
    }
}

struct BrokenCase {
    const char* name;
    std::function<Bytes()> make;
    std::function<void(const Bytes&)> decode;
    const char* saying;
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

class BrokenIconsAndCursors : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenIconsAndCursors, FailWithAMessageThatNamesTheFault) {
    std::string message = DecodeError(GetParam().decode, GetParam().make());

    EXPECT_NE(message.find(GetParam().saying), std::string::npos) << message;
}

void AsIcon(const Bytes& data) {
    DecodeIcon(data);
}
void AsCursor(const Bytes& data) {
    DecodeCursor(data);
}

Bytes WithEntryField(Bytes file, std::size_t at, std::uint32_t value) {
    Set32(file, at, value);
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenIconsAndCursors,
    testing::Values(BrokenCase{"PngImage",
                               [] {
                                   Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
                                   png.resize(64, 0);
                                   return IconFile(kIcon, 1, 32, png, 32, 32);
                               },
                               AsIcon, "Invalid icon: the first image is PNG-compressed"},
                    BrokenCase{"CursorReadAsIcon", GoodCursor, AsIcon, "not start as an icon's"},
                    BrokenCase{"IconReadAsCursor", [] { return IconWith(MaskedIcon()); }, AsCursor,
                               "not start as a cursor's"},
                    BrokenCase{"EmptyDirectory",
                               [] {
                                   Bytes file = GoodCursor();
                                   Set16(file, 4, 0);
                                   return file;
                               },
                               AsCursor, "holds no image"},
                    BrokenCase{"EntryLongerThanTheFile",
                               [] { return WithEntryField(GoodCursor(), kEntrySize, 4096); },
                               AsCursor, "the first image is cut short"},
                    BrokenCase{
                        "EntryStartsPastTheFile",
                        [] { return WithEntryField(GoodCursor(), kEntryOffset, 0xFFFFFFF0); },
                        AsCursor, "the first image is cut short"},
                    BrokenCase{"NoRoomForTheMaskInTheEntry",
                               [] {
                                   Bytes file = GoodCursor();
                                   // The mask's bytes lie in the file but outside the entry's
                                   // image.
                                   return WithEntryField(file, kEntrySize,
                                                         static_cast<std::uint32_t>(
                                                             file.size() - 8 - kDirectorySize));
                               },
                               AsCursor, "the AND mask is cut short"},
                    BrokenCase{"ColourCursor",
                               [] {
                                   TestPicture picture = MaskedIcon();
                                   return IconFile(kCursor, 0, 0, DibBytes(picture), picture.width,
                                                   picture.height);
                               },
                               AsCursor, "only monochrome cursors"},
                    BrokenCase{"HotSpotPastTheRightEdge",
                               [] {
                                   TestPicture picture = FourKindCursor({0x000000, 0xFFFFFF});
                                   return IconFile(kCursor, 4, 0, DibBytes(picture), picture.width,
                                                   picture.height);
                               },
                               AsCursor, "hot spot 4, 0 lies outside the 4 x 2 picture"}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

}  // namespace
