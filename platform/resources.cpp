#include "resources.h"

#include <algorithm>
#include <cctype>

HINSTANCE HInstance = nullptr;

std::span<const unsigned char> TResourceModule::Find(std::string_view name) const {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    auto found = Data.find(key);
    return found == Data.end() ? std::span<const unsigned char>() : found->second;
}
