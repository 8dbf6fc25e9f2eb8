// Decoders for the picture formats the program carries: BMP, ICO and CUR.
#pragma once

#include <span>

#include "platform/backend/backend.h"

backend::Image DecodeBitmap(std::span<const unsigned char> data);
backend::Image DecodeIcon(std::span<const unsigned char> data);
backend::CursorImage DecodeCursor(std::span<const unsigned char> data);
