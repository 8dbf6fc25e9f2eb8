// One resource script as written: STRINGTABLE blocks of `id, "text"` lines and named file
// resources `NAME TYPE "path"`. The script is UTF-8; "" inside a text is one double quote and a
// backslash is an ordinary character; `//` starts a comment.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sysutils.h"
#include "tools/rc/diagnostic.h"

struct StringEntry {
    int Id;
    // Windows-1252 bytes.
    AnsiString Text;
    int Line;
};

struct FileEntry {
    // Upper case, as the resource module keys its data.
    std::string Name;
    // As written, relative to the script's folder.
    std::string Path;
    int Line;
};

struct ResourceScript {
    std::string File;
    // Of the first STRINGTABLE keyword.
    std::optional<int> StringTableLine;
    std::vector<StringEntry> Strings;
    std::vector<FileEntry> Files;
};

// Appends the errors found to errors: every bad entry, and the first syntax error, which ends the
// parse. Entries with an error are left out of the result.
ResourceScript ParseResourceScript(std::string_view source, std::string file, Diagnostics& errors);
