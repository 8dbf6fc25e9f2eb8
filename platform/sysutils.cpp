#include "sysutils.h"

#include <array>
#include <charconv>
#include <cstdint>

AnsiString FmtStr(std::string_view pattern, std::string_view argument) {
    AnsiString result(pattern);
    if (auto at = result.find("%s"); at != AnsiString::npos) {
        result.replace(at, 2, argument);
    }
    return result;
}

AnsiString IntToStr(int value) {
    return std::to_string(value);
}

int StrToInt(const AnsiString& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last || first == last) {
        throw EConvertError(FmtStr("'%s' is not a valid integer value", text));
    }
    return value;
}

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 where the byte is undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t AnsiToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int CodePointToAnsi(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp && cp != 0) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i], advancing i; malformed input yields U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    auto byte = static_cast<unsigned char>(text[i++]);
    int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    if (byte >= 0x80 && extra == 0) {
        return 0xFFFD;
    }
    char32_t cp = extra == 0 ? byte : byte & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return cp;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (char c : ansi) {
        char32_t cp = AnsiToCodePoint(static_cast<unsigned char>(c));
        AppendUtf8(out, cp == 0 && c != 0 ? U'?' : cp);
    }
    return out;
}

AnsiString Utf8ToAnsi(std::string_view utf8) {
    AnsiString out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        int byte = CodePointToAnsi(NextCodePoint(utf8, i));
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

bool IsAnsiRepresentable(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        if (CodePointToAnsi(NextCodePoint(utf8, i)) < 0) {
            return false;
        }
    }
    return true;
}
