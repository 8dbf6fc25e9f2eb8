// The resources a module carries: its string table and its named binary resources
// (layouts, pictures, cursors, icons), compiled into the executable.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

class TResourceModule {
public:
    // Texts are Windows-1252 bytes.
    std::map<std::uint16_t, std::string> Strings;
    // Keyed by upper-case resource name.
    std::map<std::string, std::span<const unsigned char>, std::less<>> Data;

    // Empty span when the module has no resource of that name (letter case ignored).
    std::span<const unsigned char> Find(std::string_view name) const;
};

using HINSTANCE = const TResourceModule*;

// The program's own module; the program entry points it at its compiled resources.
extern HINSTANCE HInstance;

// Copies the text of string id into buffer, cut to bufferSize - 1 bytes, and a NUL; returns the
// number of bytes copied. An id without text, or a null instance, gives empty text (0).
int LoadStringA(HINSTANCE instance, unsigned id, char* buffer, int bufferSize);
