#include "resources.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

HINSTANCE HInstance = nullptr;

std::span<const unsigned char> TResourceModule::Find(std::string_view name) const {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    auto found = Data.find(key);
    return found == Data.end() ? std::span<const unsigned char>() : found->second;
}

int LoadStringA(HINSTANCE instance, unsigned id, char* buffer, int bufferSize) {
    if (buffer == nullptr || bufferSize <= 0) {
        return 0;
    }
    std::string_view text;
    // The table is keyed by 16 bits; a wider id must not wrap onto a real one.
    if (instance != nullptr && id <= std::numeric_limits<std::uint16_t>::max()) {
        if (auto found = instance->Strings.find(static_cast<std::uint16_t>(id));
            found != instance->Strings.end()) {
            text = found->second;
        }
    }
    auto count = std::min(text.size(), static_cast<std::size_t>(bufferSize - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}
