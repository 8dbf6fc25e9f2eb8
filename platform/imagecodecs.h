// Decoders for the picture formats the program carries: BMP, ICO and CUR. Malformed or cut
// data raises Exception with a message that says what is wrong.
#pragma once

#include <span>

#include "platform/backend/backend.h"

// Uncompressed bitmaps of 1, 4, 8, 24 or 32 bits per pixel, either row order; opaque.
backend::Image DecodeBitmap(std::span<const unsigned char> data);
// The first image of an icon; its AND mask becomes the alpha. PNG images are refused.
backend::Image DecodeIcon(std::span<const unsigned char> data);
// The first image of a monochrome cursor, with the hot spot of its directory entry.
backend::CursorImage DecodeCursor(std::span<const unsigned char> data);
