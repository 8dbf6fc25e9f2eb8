// The program's own pictures, read from the source tree: the formats the program relies on
// and the places where the joke window and the About window draw over the background.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "platform/imagecodecs.h"
#include "tests/unit/imagecodecs/picture_writer.h"

namespace {

Bytes ReadResource(const std::string& name) {
    std::ifstream file(std::string(TRALALINO_RESOURCES_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t Read16(const Bytes& data, std::size_t at) {
    return data.at(at) | data.at(at + 1) << 8;
}

std::uint32_t Read32(const Bytes& data, std::size_t at) {
    return Read16(data, at) | Read16(data, at + 2) << 16;
}

// Relative luminance of a 0x..RRGGBB colour, as contrast ratios are defined on it.
double Luminance(std::uint32_t rgb) {
    auto linear = [](std::uint32_t channel) {
        double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(rgb >> 16 & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) +
           0.0722 * linear(rgb & 0xFF);
}

double Contrast(std::uint32_t a, std::uint32_t b) {
    double la = Luminance(a);
    double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Box {
    int left, top, right, bottom;  // inclusive
    bool Holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Where the two windows draw, in picture coordinates.
constexpr Box kAboutWindow{40, 71, 461, 246};
constexpr Box kAddressHotSpot{328, 32, 505, 57};
constexpr Box kMarkHotSpot{464, 224, 512, 256};
constexpr int kFirstTextRow = 62;  // the category caption's line box starts at 64

class Background : public testing::Test {
protected:
    void SetUp() override {
        file_ = ReadResource("sfondo.bmp");
        image_ = DecodeBitmap(file_);
    }
    std::uint32_t At(int x, int y) const { return image_.argb[std::size_t(y) * image_.width + x]; }

    Bytes file_;
    backend::Image image_;
};

TEST_F(Background, IsAnUncompressedBottomUp256ColourBitmapOf512By256) {
    EXPECT_EQ(Read16(file_, 0), 'B' | 'M' << 8);
    EXPECT_EQ(Read32(file_, 14), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(static_cast<std::int32_t>(Read32(file_, 18)), 512);
    EXPECT_EQ(static_cast<std::int32_t>(Read32(file_, 22)), 256);  // positive: bottom-up
    EXPECT_EQ(Read16(file_, 28), 8u);
    EXPECT_EQ(Read32(file_, 30), 0u);                     // BI_RGB
    EXPECT_EQ(Read32(file_, 10), 14u + 40u + 256u * 4u);  // a full palette before the pixels
    EXPECT_EQ(file_.size(), Read32(file_, 10) + 512u * 256u);
    ASSERT_EQ(image_.width, 512);
    ASSERT_EQ(image_.height, 256);
}

TEST_F(Background, EveryTextColourStaysReadableWhereTheJokeWindowDrawsText) {
    // Maroon caption, brown author, the counter's and arrows' colour; black text is darker.
    const std::uint32_t kTextColours[] = {0x800000, 0x804040, 0x6C2600};
    double worst = 100;
    for (int y = kFirstTextRow; y < image_.height; ++y) {
        for (int x = 0; x < image_.width; ++x) {
            if (kMarkHotSpot.Holds(x, y)) {
                continue;
            }
            for (std::uint32_t colour : kTextColours) {
                worst = std::min(worst, Contrast(At(x, y), colour));
            }
        }
    }
    EXPECT_GE(worst, 4.5);
}

TEST_F(Background, ThePartTheAboutWindowShowsIsPlainTexture) {
    double darkest = 1;
    double lightest = 0;
    for (int y = kAboutWindow.top; y <= kAboutWindow.bottom; ++y) {
        for (int x = kAboutWindow.left; x <= kAboutWindow.right; ++x) {
            darkest = std::min(darkest, Luminance(At(x, y)));
            lightest = std::max(lightest, Luminance(At(x, y)));
        }
    }
    // Lettering in any colour readable on the paper would spread this far wider.
    EXPECT_LT((lightest + 0.05) / (darkest + 0.05), 1.5);
}

TEST_F(Background, TheAddressLiesUnderItsHotSpot) {
    // The band is dark; the address is the light lettering in its right half.
    int inside = 0;
    for (int y = 0; y <= 53; ++y) {
        for (int x = image_.width / 2; x < image_.width; ++x) {
            if (Luminance(At(x, y)) > 0.5) {
                EXPECT_TRUE(kAddressHotSpot.Holds(x, y)) << "light pixel at " << x << ", " << y;
                inside += kAddressHotSpot.Holds(x, y);
            }
        }
    }
    EXPECT_GT(inside, 100);
}

TEST_F(Background, TheMakersMarkLiesUnderItsHotSpot) {
    // Below the About window's columns and the text rows, only the mark stands out.
    const std::uint32_t paper = At(kAboutWindow.right, kAboutWindow.bottom);
    int inside = 0;
    for (int y = 160; y < image_.height; ++y) {
        for (int x = kAboutWindow.right - 60; x < image_.width; ++x) {
            if (Contrast(At(x, y), paper) > 1.5) {
                EXPECT_TRUE(kMarkHotSpot.Holds(x, y)) << "mark pixel at " << x << ", " << y;
                inside += kMarkHotSpot.Holds(x, y);
            }
        }
    }
    EXPECT_GT(inside, 40);
}

TEST(HandCursor, IsAMonochrome32By32CursorPointingFromItsHotSpot) {
    Bytes file = ReadResource("mano.cur");
    ASSERT_GE(file.size(), kDirectorySize + 40);
    EXPECT_EQ(Read16(file, 2), 2u);   // a cursor
    EXPECT_EQ(Read16(file, 10), 6u);  // hot spot in the directory entry
    EXPECT_EQ(Read16(file, 12), 0u);
    EXPECT_EQ(Read16(file, Read32(file, 18) + 14), 1u);  // bits per pixel

    backend::CursorImage cursor = DecodeCursor(file);

    ASSERT_EQ(cursor.width, 32);
    ASSERT_EQ(cursor.height, 32);
    EXPECT_EQ(cursor.hotSpot, (backend::Point{6, 0}));
    std::set<std::uint8_t> kinds(cursor.pixels.begin(), cursor.pixels.end());
    EXPECT_TRUE(kinds.count(backend::CursorImage::Black));
    EXPECT_TRUE(kinds.count(backend::CursorImage::White));
    EXPECT_TRUE(kinds.count(backend::CursorImage::Transparent));
    // The fingertip: the first drawn pixel of the top row is the hot spot.
    auto topRow = cursor.pixels.begin();
    auto firstDrawn = std::find_if(topRow, topRow + 32, [](std::uint8_t pixel) {
        return pixel != backend::CursorImage::Transparent;
    });
    EXPECT_EQ(firstDrawn - topRow, 6);
}

TEST(ProgramIcon, IsOne32By32BitmapImageOf256ColoursWithAShapedMask) {
    Bytes file = ReadResource("mainicon.ico");
    ASSERT_GE(file.size(), kDirectorySize + 40);
    EXPECT_EQ(Read16(file, 2), 1u);  // an icon
    EXPECT_EQ(Read16(file, 4), 1u);  // one image
    EXPECT_EQ(file[6], 32);
    EXPECT_EQ(file[7], 32);
    EXPECT_EQ(Read16(file, 12), 8u);  // bits per pixel in the entry
    std::size_t image = Read32(file, 18);
    EXPECT_EQ(Read32(file, image), 40u);      // a bitmap, not PNG
    EXPECT_EQ(Read32(file, image + 8), 64u);  // picture and mask
    EXPECT_EQ(Read16(file, image + 14), 8u);

    backend::Image icon = DecodeIcon(file);

    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    auto alpha = [&](int x, int y) { return icon.argb[std::size_t(y) * 32 + x] >> 24; };
    EXPECT_EQ(alpha(0, 0), 0u);
    EXPECT_EQ(alpha(31, 0), 0u);
    EXPECT_EQ(alpha(31, 31), 0u);
    EXPECT_EQ(alpha(16, 14), 0xFFu);
    std::set<std::uint32_t> colours;
    for (std::uint32_t pixel : icon.argb) {
        if (pixel >> 24 != 0) {
            colours.insert(pixel);
        }
    }
    // More than a handful of colours: it is shaded, not a 16-colour picture in disguise.
    EXPECT_GT(colours.size(), 16u);
}

TEST(PaletteBitmap, IsA24By24SixteenColourBitmap) {
    Bytes file = ReadResource("ttrayicon.bmp");
    ASSERT_GE(file.size(), kFileHeaderSize + 40);
    EXPECT_EQ(Read16(file, 28), 4u);
    EXPECT_EQ(Read32(file, 30), 0u);

    backend::Image image = DecodeBitmap(file);

    EXPECT_EQ(image.width, 24);
    EXPECT_EQ(image.height, 24);
}

}  // namespace
