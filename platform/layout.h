// Stored window layouts in the form-file text syntax:
//   object Report: TReport
//     Caption = 'Tralalino!'
//     Font.Style = [fsBold]
//     OnCreate = FormCreate
//     object Label1: TLabel
//       Left = 56
//     end
//   end
// Properties apply in file order; nested objects are created owned by the root and adopted by
// the object they are nested in; components bind to the root's members of the same name,
// events to its handlers, and references resolve once the whole layout is read.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes.h"

class EReadError : public Exception {
public:
    using Exception::Exception;
};

struct TLayoutProperty {
    std::string path;  // "Font.Height"
    TLayoutValue value;
    int line = 0;
};

struct TLayoutObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<TLayoutProperty> properties;
    std::vector<TLayoutObject> children;
};

// Raises EReadError "<source>, line N: reason" on malformed text.
TLayoutObject ParseLayout(std::string_view text, std::string_view source);

// What a form offers a layout to bind: its component members and its event handlers.
class TLayoutBindings {
public:
    template <class C>
    void Member(const std::string& name, C*& field) {
        members_[name] = [&field, name](TComponent& component) {
            auto* typed = dynamic_cast<C*>(&component);
            if (typed == nullptr) {
                throw Exception("Member '" + name + "' cannot hold a " + component.ClassName());
            }
            field = typed;
        };
    }

    template <class Form, class... Args>
    void Handler(const std::string& name, Form* form, void (Form::*method)(Args...)) {
        handlers_[name] = std::function<void(Args...)>(
            [form, method](Args... args) { (form->*method)(args...); });
    }

    // Throws when the form has no member of the component's name.
    void BindMember(TComponent& component) const;
    const std::any* FindHandler(const std::string& name) const;

private:
    std::map<std::string, std::function<void(TComponent&)>> members_;
    std::map<std::string, std::any> handlers_;
};

// Builds the layout's components into root, which must be of the layout's root class.
void ReadLayout(TComponent& root, const TLayoutObject& layout, const TLayoutBindings& bindings,
                std::string_view source);

// Reads the layout resource of that name from the program's module.
void ReadLayoutResource(TComponent& root, const std::string& resourceName,
                        const TLayoutBindings& bindings);
