#include "platform/classes.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/properties.h"

std::string TLayoutValue::Describe() const {
    struct Describer {
        std::string operator()(long long number) const { return std::to_string(number); }
        std::string operator()(const AnsiString& text) const { return "'" + text + "'"; }
        std::string operator()(const Identifier& id) const { return id.name; }
        std::string operator()(const Set& set) const {
            std::string out = "[";
            for (const auto& member : set.members) {
                out += (out.size() > 1 ? ", " : "") + member;
            }
            return out + "]";
        }
    };
    return std::visit(Describer{}, value);
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_ != nullptr) {
        owner_->components_.push_back(this);
    }
}

TComponent::~TComponent() {
    // Owned components go first, last created first, each unlinking itself.
    while (!components_.empty()) {
        delete components_.back();
    }
    if (owner_ != nullptr) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (TComponent* component : components_) {
        if (SameText(component->Name, name)) {
            return component;
        }
    }
    return nullptr;
}

void TComponent::AdoptChild(TComponent& child) {
    throw Exception(FmtStr("%s cannot hold other components", ClassName()) + ": " + child.Name);
}

const TPropertyTable& TComponent::Available() {
    static const TPropertyTable table = {
        StringProperty<TComponent>("Name", [](TComponent& c, const AnsiString& v) { c.Name = v; }),
        IntegerProperty<TComponent>("Tag", [](TComponent& c, int v) { c.Tag = v; }),
    };
    return table;
}

namespace {

std::map<std::string, TClassRegistry::Factory>& Classes() {
    static std::map<std::string, TClassRegistry::Factory> classes;
    return classes;
}

std::map<std::string, std::string>& Palette() {
    static std::map<std::string, std::string> pages;
    return pages;
}

}  // namespace

void TClassRegistry::Register(const std::string& className, Factory factory) {
    Classes()[className] = std::move(factory);
}

const TClassRegistry::Factory* TClassRegistry::Find(const std::string& className) {
    auto found = Classes().find(className);
    return found == Classes().end() ? nullptr : &found->second;
}

void RegisterComponents(const std::string& page, std::initializer_list<std::string> classNames) {
    for (const std::string& className : classNames) {
        Palette()[className] = page;
    }
}

std::string PalettePage(const std::string& className) {
    auto found = Palette().find(className);
    return found == Palette().end() ? std::string() : found->second;
}

bool SameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}
