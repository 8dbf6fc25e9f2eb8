// Builders for published-property tables: each turns a stored layout value into a typed write.
#pragma once

#include <any>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes.h"

int LayoutInteger(const TLayoutValue& value, const std::string& property);
AnsiString LayoutString(const TLayoutValue& value, const std::string& property);
bool LayoutBoolean(const TLayoutValue& value, const std::string& property);
const std::string& LayoutIdentifier(const TLayoutValue& value, const std::string& property);
// An identifier as one of the given names; its index in the list.
int LayoutEnum(const TLayoutValue& value, const std::string& property,
               const std::vector<std::string>& names);
// A set of names as a bit mask: bit i for names[i].
unsigned LayoutSet(const TLayoutValue& value, const std::string& property,
                   const std::vector<std::string>& names);

// The published table: the named properties, in this order, taken from the tables a class
// inherits and its own.
TPropertyTable PublishInOrder(std::initializer_list<const TPropertyTable*> sources,
                              std::initializer_list<std::string_view> order);

template <class C, class V, class Convert>
TPropertyInfo TypedProperty(std::string name, Convert convert, std::function<void(C&, V)> set) {
    auto write = [name, convert, set](TPersistent& object, const TLayoutValue& value,
                                      TLayoutNames&) {
        set(static_cast<C&>(object), convert(value, name));
    };
    return TPropertyInfo{name, write, {}};
}

template <class C>
TPropertyInfo IntegerProperty(std::string name, std::function<void(C&, int)> set) {
    return TypedProperty<C, int>(std::move(name), LayoutInteger, std::move(set));
}

template <class C>
TPropertyInfo StringProperty(std::string name, std::function<void(C&, const AnsiString&)> set) {
    return TypedProperty<C, const AnsiString&>(std::move(name), LayoutString, std::move(set));
}

template <class C>
TPropertyInfo BooleanProperty(std::string name, std::function<void(C&, bool)> set) {
    return TypedProperty<C, bool>(std::move(name), LayoutBoolean, std::move(set));
}

template <class C, class E>
TPropertyInfo EnumProperty(std::string name, std::vector<std::string> names,
                           std::function<void(C&, E)> set) {
    auto convert = [names](const TLayoutValue& value, const std::string& property) {
        return static_cast<E>(LayoutEnum(value, property, names));
    };
    return TypedProperty<C, E>(std::move(name), convert, std::move(set));
}

template <class C>
TPropertyInfo SetProperty(std::string name, std::vector<std::string> names,
                          std::function<void(C&, unsigned)> set) {
    auto convert = [names](const TLayoutValue& value, const std::string& property) {
        return LayoutSet(value, property, names);
    };
    return TypedProperty<C, unsigned>(std::move(name), convert, std::move(set));
}

// A property of object type: the layout fills the object in place through the getter.
template <class C>
TPropertyInfo ObjectProperty(std::string name, std::function<TPersistent*(C&)> get) {
    auto object = [get](TPersistent& owner) { return get(static_cast<C&>(owner)); };
    return TPropertyInfo{std::move(name), {}, object};
}

// An event: the layout names a handler of the form, which must have the event's type.
template <class C, class Event>
TPropertyInfo EventProperty(std::string name, Event C::*field) {
    auto write = [name, field](TPersistent& object, const TLayoutValue& value,
                               TLayoutNames& names) {
        const std::string& handler = LayoutIdentifier(value, name);
        const std::any* found = names.FindHandler(handler);
        if (found == nullptr) {
            throw Exception("Unknown handler '" + handler + "'");
        }
        const Event* typed = std::any_cast<Event>(found);
        if (typed == nullptr) {
            throw Exception("Handler '" + handler + "' does not fit the event " + name);
        }
        static_cast<C&>(object).*field = *typed;
    };
    return TPropertyInfo{std::move(name), write, {}};
}

// A reference to another component of the layout, resolved after the whole layout is read.
template <class C, class Target>
TPropertyInfo ReferenceProperty(std::string name, std::function<void(C&, Target*)> set) {
    auto write = [name, set](TPersistent& object, const TLayoutValue& value, TLayoutNames& names) {
        std::string target = LayoutIdentifier(value, name);
        C& self = static_cast<C&>(object);
        names.AddFixup([&self, &names, target, set, name] {
            auto* found = dynamic_cast<Target*>(names.FindComponent(target));
            if (found == nullptr) {
                throw Exception("Unknown component '" + target + "' for " + name);
            }
            set(self, found);
        });
    };
    return TPropertyInfo{std::move(name), write, {}};
}
