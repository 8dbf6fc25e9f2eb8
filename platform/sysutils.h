// Text, conversions and the exception family of the class library.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Program text is 8-bit: Windows-1252 bytes, converted only at the window-system boundary.
using AnsiString = std::string;

class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    AnsiString Message;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// Replaces the one "%s" of a message template with an argument.
AnsiString FmtStr(std::string_view pattern, std::string_view argument);

AnsiString IntToStr(int value);

// Strict decimal conversion: optional sign, digits only, within 32 bits. Anything else, the
// empty text included, raises EConvertError "'%s' is not a valid integer value".
int StrToInt(const AnsiString& text);

// Windows-1252 <-> UTF-8. Characters outside Windows-1252 become '?'.
std::string AnsiToUtf8(std::string_view ansi);
AnsiString Utf8ToAnsi(std::string_view utf8);
// True when every character of the UTF-8 text has a Windows-1252 byte.
bool IsAnsiRepresentable(std::string_view utf8);
