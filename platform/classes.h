// Components: ownership, names, published properties and the class registry that stored
// layouts create components through.
#pragma once

#include <any>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/sysutils.h"

class TObject {
public:
    virtual ~TObject() = default;
    virtual AnsiString ClassName() const = 0;
};

// A value as a stored layout writes it.
struct TLayoutValue {
    struct Identifier {
        std::string name;
    };
    struct Set {
        std::vector<std::string> members;
    };
    std::variant<long long, AnsiString, Identifier, Set> value;

    std::string Describe() const;
};

class TPersistent;
class TComponent;

// Resolves the names a layout refers to: event handlers and other components.
class TLayoutNames {
public:
    virtual ~TLayoutNames() = default;
    // The handler of that name, or an empty pointer when there is none.
    virtual const std::any* FindHandler(const std::string& name) const = 0;
    // References are resolved once the whole layout has been read.
    virtual void AddFixup(std::function<void()> fixup) = 0;
    virtual TComponent* FindComponent(const std::string& name) const = 0;
};

struct TPropertyInfo {
    std::string name;
    // Writes a stored value; throws Exception with a clear reason when it does not fit.
    std::function<void(TPersistent&, const TLayoutValue&, TLayoutNames&)> write;
    // For object-typed properties: the object whose own properties follow a dot.
    std::function<TPersistent*(TPersistent&)> object;
};

using TPropertyTable = std::vector<TPropertyInfo>;

class TPersistent : public TObject {
public:
    // The published properties, in published order.
    virtual const TPropertyTable& Properties() const = 0;
};

enum class TComponentState { Loading, Running };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    TComponent* FindComponent(std::string_view name) const;

    AnsiString Name;
    int Tag = 0;

    // The properties every component publishes: Name and Tag.
    static const TPropertyTable& Available();

    bool Loading() const { return state_ == TComponentState::Loading; }
    void BeginLoading() { state_ = TComponentState::Loading; }
    // Called once a layout that created or filled this component has been read whole.
    virtual void Loaded() { state_ = TComponentState::Running; }

    // A component nested under this one in a layout.
    virtual void AdoptChild(TComponent& child);

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
    TComponentState state_ = TComponentState::Running;
};

// Maps class names to factories, so that layouts can create components by name.
class TClassRegistry {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;
    static void Register(const std::string& className, Factory factory);
    // Null when the class is unknown.
    static const Factory* Find(const std::string& className);
};

// The form designer's component palette: which page offers which classes.
void RegisterComponents(const std::string& page, std::initializer_list<std::string> classNames);
// Empty when the class is on no page.
std::string PalettePage(const std::string& className);

template <class T>
bool RegisterClass(const char* className) {
    TClassRegistry::Register(className, [](TComponent* owner) { return new T(owner); });
    return true;
}

bool SameText(std::string_view a, std::string_view b);
