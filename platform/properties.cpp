#include "platform/properties.h"

#include <algorithm>
#include <limits>

namespace {

[[noreturn]] void WrongValue(const TLayoutValue& value, const std::string& property,
                             const char* expected) {
    throw Exception("Invalid value " + value.Describe() + " for " + property + ": expected " +
                    expected);
}

}  // namespace

int LayoutInteger(const TLayoutValue& value, const std::string& property) {
    const long long* number = std::get_if<long long>(&value.value);
    if (number == nullptr || *number < std::numeric_limits<int>::min() ||
        *number > std::numeric_limits<int>::max()) {
        WrongValue(value, property, "a 32-bit integer");
    }
    return static_cast<int>(*number);
}

AnsiString LayoutString(const TLayoutValue& value, const std::string& property) {
    const AnsiString* text = std::get_if<AnsiString>(&value.value);
    if (text == nullptr) {
        WrongValue(value, property, "a string");
    }
    return *text;
}

const std::string& LayoutIdentifier(const TLayoutValue& value, const std::string& property) {
    const auto* id = std::get_if<TLayoutValue::Identifier>(&value.value);
    if (id == nullptr) {
        WrongValue(value, property, "a name");
    }
    return id->name;
}

bool LayoutBoolean(const TLayoutValue& value, const std::string& property) {
    return LayoutEnum(value, property, {"False", "True"}) == 1;
}

int LayoutEnum(const TLayoutValue& value, const std::string& property,
               const std::vector<std::string>& names) {
    const std::string& id = LayoutIdentifier(value, property);
    auto found = std::find_if(names.begin(), names.end(),
                              [&id](const std::string& name) { return SameText(name, id); });
    if (found == names.end()) {
        WrongValue(value, property, "one of its named values");
    }
    return static_cast<int>(found - names.begin());
}

unsigned LayoutSet(const TLayoutValue& value, const std::string& property,
                   const std::vector<std::string>& names) {
    const auto* set = std::get_if<TLayoutValue::Set>(&value.value);
    if (set == nullptr) {
        WrongValue(value, property, "a set");
    }
    unsigned bits = 0;
    for (const std::string& member : set->members) {
        bits |= 1u << LayoutEnum(TLayoutValue{TLayoutValue::Identifier{member}}, property, names);
    }
    return bits;
}

TPropertyTable PublishInOrder(std::initializer_list<const TPropertyTable*> sources,
                              std::initializer_list<std::string_view> order) {
    TPropertyTable published;
    for (std::string_view name : order) {
        const TPropertyInfo* found = nullptr;
        for (const TPropertyTable* source : sources) {
            for (const TPropertyInfo& info : *source) {
                if (info.name == name) {
                    found = &info;
                }
            }
        }
        if (found == nullptr) {
            throw std::logic_error("no property " + std::string(name) + " to publish");
        }
        published.push_back(*found);
    }
    return published;
}
