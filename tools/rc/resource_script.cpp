#include "resource_script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

enum class TokenKind { Word, Number, Text, Comma, OpenBrace, CloseBrace, EndOfFile };

struct Token {
    TokenKind Kind;
    // Words and numbers as written; texts decoded, still UTF-8.
    std::string Spelling;
    int Line;
};

// Ends the parse of a script.
struct SyntaxError {
    int Line;
    std::string Reason;
};

bool IsWordStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool SameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

class Lexer {
public:
    explicit Lexer(std::string_view source) : source_(source) {}

    Token Next() {
        SkipBlanksAndComments();
        if (at_ == source_.size()) {
            return {TokenKind::EndOfFile, "", line_};
        }
        char c = source_[at_];
        switch (c) {
            case ',':
                return Single(TokenKind::Comma);
            case '{':
                return Single(TokenKind::OpenBrace);
            case '}':
                return Single(TokenKind::CloseBrace);
            case '"':
                return Text();
        }
        if (IsDigit(c) || (c == '-' && at_ + 1 < source_.size() && IsDigit(source_[at_ + 1]))) {
            return Run(TokenKind::Number, IsDigit);
        }
        if (IsWordStart(c)) {
            return Run(TokenKind::Word, IsWordChar);
        }
        throw SyntaxError{line_, "stray text '" + CharacterAt(at_) + "'"};
    }

private:
    void SkipBlanksAndComments() {
        while (at_ < source_.size()) {
            char c = source_[at_];
            if (c == '\n') {
                ++line_;
                ++at_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++at_;
            } else if (source_.substr(at_, 2) == "//") {
                at_ = std::min(source_.find('\n', at_), source_.size());
            } else {
                return;
            }
        }
    }

    Token Single(TokenKind kind) { return {kind, std::string(1, source_[at_++]), line_}; }

    // A leading sign is consumed unchecked: the caller only starts a run on a valid start.
    Token Run(TokenKind kind, bool (*continues)(char)) {
        std::size_t start = at_++;
        while (at_ < source_.size() && continues(source_[at_])) {
            ++at_;
        }
        return {kind, std::string(source_.substr(start, at_ - start)), line_};
    }

    Token Text() {
        std::string text;
        for (++at_;; ++at_) {
            if (at_ == source_.size() || source_[at_] == '\n') {
                throw SyntaxError{line_, "unterminated string"};
            }
            if (source_[at_] == '"') {
                if (source_.substr(at_, 2) != "\"\"") {
                    ++at_;
                    return {TokenKind::Text, text, line_};
                }
                ++at_;
            }
            text += source_[at_];
        }
    }

    // The whole UTF-8 sequence, so that the message shows the character.
    std::string CharacterAt(std::size_t at) const {
        std::size_t end = at + 1;
        while (end < source_.size() && (static_cast<unsigned char>(source_[end]) & 0xC0) == 0x80) {
            ++end;
        }
        return std::string(source_.substr(at, end - at));
    }

    std::string_view source_;
    std::size_t at_ = 0;
    int line_ = 1;
};

std::string Describe(const Token& token) {
    switch (token.Kind) {
        case TokenKind::Text:
            return "a quoted text";
        case TokenKind::EndOfFile:
            return "end of file";
        default:
            return "'" + token.Spelling + "'";
    }
}

bool Opens(const Token& token) {
    return token.Kind == TokenKind::OpenBrace ||
           (token.Kind == TokenKind::Word && SameWord(token.Spelling, "BEGIN"));
}

bool Closes(const Token& token) {
    return token.Kind == TokenKind::CloseBrace ||
           (token.Kind == TokenKind::Word && SameWord(token.Spelling, "END"));
}

bool IsFileType(const Token& token) {
    for (std::string_view type : {"CURSOR", "ICON", "BITMAP", "RCDATA"}) {
        if (SameWord(token.Spelling, type)) {
            return true;
        }
    }
    return false;
}

// The texts hold printable ASCII and the five accented vowels of Italian, nothing else: the
// program's fonts and its wrapping assume no other byte.
std::optional<std::string> CharacterProblem(std::string_view utf8) {
    if (!IsAnsiRepresentable(utf8)) {
        return "text holds a character outside Windows-1252 or is not valid UTF-8";
    }
    for (unsigned char byte : Utf8ToAnsi(utf8)) {
        bool printableAscii = byte >= 0x20 && byte < 0x7F;
        bool accentedVowel =
            byte == 0xE0 || byte == 0xE8 || byte == 0xEC || byte == 0xF2 || byte == 0xF9;
        if (printableAscii || accentedVowel) {
            continue;
        }
        if (byte < 0x20 || byte == 0x7F) {
            char code[5];
            std::snprintf(code, sizeof code, "0x%02X", byte);
            return std::string("control character ") + code + " is not allowed";
        }
        return "character '" + AnsiToUtf8(std::string(1, static_cast<char>(byte))) +
               "' is not allowed; texts hold printable ASCII and \xC3\xA0 \xC3\xA8 \xC3\xAC "
               "\xC3\xB2 \xC3\xB9 only";
    }
    return std::nullopt;
}

class Parser {
public:
    Parser(std::string_view source, ResourceScript& script, Diagnostics& errors)
        : lexer_(source), script_(script), errors_(errors) {}

    void Run() {
        for (Token token = lexer_.Next(); token.Kind != TokenKind::EndOfFile;
             token = lexer_.Next()) {
            if (token.Kind != TokenKind::Word || Opens(token) || Closes(token)) {
                throw SyntaxError{token.Line, "stray text " + Describe(token) +
                                                  "; expected STRINGTABLE or a named resource"};
            }
            if (SameWord(token.Spelling, "STRINGTABLE")) {
                StringTable(token);
            } else {
                FileResource(token);
            }
        }
    }

private:
    void StringTable(const Token& keyword) {
        if (Token open = lexer_.Next(); !Opens(open)) {
            std::string found = open.Kind == TokenKind::Word ? "unknown keyword " + Describe(open)
                                                             : "found " + Describe(open);
            throw SyntaxError{open.Line, "expected BEGIN or '{' after STRINGTABLE, " + found};
        }
        if (!script_.StringTableLine) {
            script_.StringTableLine = keyword.Line;
        }
        for (Token token = lexer_.Next(); !Closes(token); token = lexer_.Next()) {
            if (token.Kind == TokenKind::EndOfFile) {
                throw SyntaxError{keyword.Line, "STRINGTABLE has no END"};
            }
            if (token.Kind != TokenKind::Number) {
                throw SyntaxError{token.Line, "stray text " + Describe(token) +
                                                  " in STRINGTABLE; expected a string id or END"};
            }
            StringLine(token);
        }
    }

    void StringLine(const Token& id) {
        if (Token comma = lexer_.Next(); comma.Kind != TokenKind::Comma) {
            throw SyntaxError{id.Line, "missing comma after string id " + id.Spelling};
        }
        Token text = lexer_.Next();
        if (text.Kind != TokenKind::Text) {
            throw SyntaxError{text.Line, "expected a quoted text after '" + id.Spelling +
                                             ",', found " + Describe(text)};
        }
        int value = -1;
        const char* end = id.Spelling.data() + id.Spelling.size();
        auto parsed = std::from_chars(id.Spelling.data(), end, value);
        if (parsed.ec != std::errc() || value < 0 ||
            value > std::numeric_limits<std::uint16_t>::max()) {
            Error(id.Line, "string id " + id.Spelling + " is out of range 0..65535");
            return;
        }
        if (auto problem = CharacterProblem(text.Spelling)) {
            Error(text.Line, *problem);
            return;
        }
        script_.Strings.push_back({value, Utf8ToAnsi(text.Spelling), id.Line});
    }

    void FileResource(const Token& name) {
        Token type = lexer_.Next();
        if (type.Kind == TokenKind::Text) {
            throw SyntaxError{name.Line, "missing resource type after '" + name.Spelling + "'"};
        }
        if (type.Kind != TokenKind::Word || Opens(type) || Closes(type)) {
            throw SyntaxError{name.Line, "unknown keyword '" + name.Spelling + "'"};
        }
        if (!IsFileType(type)) {
            throw SyntaxError{type.Line, "unknown resource type '" + type.Spelling +
                                             "'; expected CURSOR, ICON, BITMAP or RCDATA"};
        }
        Token path = lexer_.Next();
        if (path.Kind != TokenKind::Text) {
            throw SyntaxError{name.Line, "expected a quoted file name after '" + name.Spelling +
                                             " " + type.Spelling + "', found " + Describe(path)};
        }
        if (path.Spelling.empty()) {
            throw SyntaxError{name.Line, "empty file name for '" + name.Spelling + "'"};
        }
        script_.Files.push_back({UpperCase(name.Spelling), path.Spelling, name.Line});
    }

    void Error(int line, std::string reason) {
        errors_.push_back({{script_.File, line}, std::move(reason)});
    }

    Lexer lexer_;
    ResourceScript& script_;
    Diagnostics& errors_;
};

}  // namespace

ResourceScript ParseResourceScript(std::string_view source, std::string file, Diagnostics& errors) {
    ResourceScript script;
    script.File = std::move(file);
    try {
        Parser(source, script, errors).Run();
    } catch (const SyntaxError& error) {
        errors.push_back({{script.File, error.Line}, error.Reason});
    }
    return script;
}
