#include "resource_table.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace {

std::optional<std::vector<unsigned char>> ReadFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

void ResourceTable::Add(const ResourceScript& script, Diagnostics& errors) {
    for (const StringEntry& entry : script.Strings) {
        SourceLocation where{script.File, entry.Line};
        auto [existing, added] = Strings.try_emplace(static_cast<std::uint16_t>(entry.Id),
                                                     TableString{entry.Text, where});
        if (!added) {
            errors.push_back({where, "duplicate string id " + std::to_string(entry.Id) +
                                         " (first defined at " + existing->second.Where.Format() +
                                         ")"});
        }
    }
    std::filesystem::path folder = std::filesystem::path(script.File).parent_path();
    for (const FileEntry& entry : script.Files) {
        SourceLocation where{script.File, entry.Line};
        if (auto existing = Files.find(entry.Name); existing != Files.end()) {
            errors.push_back({where, "duplicate resource name '" + entry.Name +
                                         "' (first defined at " + existing->second.Where.Format() +
                                         ")"});
            continue;
        }
        std::filesystem::path path = folder / entry.Path;
        auto bytes = ReadFile(path);
        if (!bytes) {
            errors.push_back({where, "resource file '" + entry.Path + "' not found or unreadable"});
            continue;
        }
        Files.emplace(entry.Name, TableFile{path, std::move(*bytes), where});
    }
    if (script.StringTableLine && !StringTable) {
        StringTable = SourceLocation{script.File, *script.StringTableLine};
    }
}
