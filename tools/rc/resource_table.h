// The resources of all scripts together, with the files they name read in, as the generated
// module will hold them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/rc/diagnostic.h"
#include "tools/rc/resource_script.h"

struct TableString {
    AnsiString Text;
    SourceLocation Where;
};

struct TableFile {
    std::filesystem::path Path;
    std::vector<unsigned char> Bytes;
    SourceLocation Where;
};

class ResourceTable {
public:
    // Reads the files that the script names, relative to the script's folder. A duplicate id or
    // name, or a file that cannot be read, is an error.
    void Add(const ResourceScript& script, Diagnostics& errors);

    std::map<std::uint16_t, TableString> Strings;
    // Keyed by upper-case name.
    std::map<std::string, TableFile> Files;
    // Of the first STRINGTABLE of all scripts.
    std::optional<SourceLocation> StringTable;
};
