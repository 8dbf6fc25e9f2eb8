#include "platform/layout.h"

#include <cctype>

#include "platform/resources.h"

namespace {

class Parser {
public:
    Parser(std::string_view text, std::string_view source) : text_(text), source_(source) {}

    TLayoutObject ParseRoot() {
        TLayoutObject root = ParseObject();
        SkipBlanks();
        if (pos_ < text_.size()) {
            Fail("text after the final 'end'");
        }
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const {
        throw EReadError(std::string(source_) + ", line " + std::to_string(line_) + ": " + reason);
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            line_ += text_[pos_] == '\n';
            ++pos_;
        }
    }

    bool AtEnd() {
        SkipBlanks();
        return pos_ >= text_.size();
    }

    char Peek() { return AtEnd() ? '\0' : text_[pos_]; }

    void Expect(char symbol, const std::string& what) {
        if (Peek() != symbol) {
            Fail(std::string("expected ") + what);
        }
        ++pos_;
    }

    static bool IsNameChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
    }

    std::string Name(const char* what) {
        SkipBlanks();
        std::size_t start = pos_;
        while (pos_ < text_.size() && IsNameChar(text_[pos_])) {
            ++pos_;
        }
        if (start == pos_ || std::isdigit(static_cast<unsigned char>(text_[start]))) {
            Fail(std::string("expected ") + what);
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    TLayoutObject ParseObject() {
        if (AtEnd()) {
            Fail("expected 'object'");
        }
        int line = line_;
        if (Name("'object'") != "object") {
            Fail("expected 'object'");
        }
        TLayoutObject object;
        object.line = line;
        object.name = Name("a component name");
        Expect(':', "':' after the component name");
        object.className = Name("a class name");
        for (;;) {
            if (AtEnd()) {
                Fail("missing 'end' of " + object.name);
            }
            int itemLine = line_;
            std::size_t mark = pos_;
            std::string word = Name("a property, 'object' or 'end'");
            if (word == "end") {
                return object;
            }
            if (word == "object") {
                pos_ = mark;
                object.children.push_back(ParseObject());
                continue;
            }
            Expect('=', "'=' after " + word);
            object.properties.push_back({word, ParseValue(), itemLine});
        }
    }

    TLayoutValue ParseValue() {
        char c = Peek();
        if (c == '\'' || c == '#') {
            return {ParseString()};
        }
        if (c == '[') {
            ++pos_;
            TLayoutValue::Set set;
            if (Peek() == ']') {
                ++pos_;
                return {set};
            }
            for (;;) {
                set.members.push_back(Name("a set member"));
                if (Peek() == ']') {
                    ++pos_;
                    return {set};
                }
                Expect(',', "',' or ']' in a set");
            }
        }
        if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
            return {ParseInteger()};
        }
        if (c == '{' || c == '(' || c == '<') {
            Fail("binary data, lists and collections are not supported; name a resource");
        }
        return {TLayoutValue::Identifier{Name("a value")}};
    }

    long long ParseInteger() {
        std::size_t start = pos_;
        if (text_[pos_] == '-') {
            ++pos_;
        }
        std::size_t digits = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        if (digits == pos_ || (pos_ < text_.size() && IsNameChar(text_[pos_])) ||
            pos_ - digits > 12) {
            Fail("malformed number");
        }
        return std::stoll(std::string(text_.substr(start, pos_ - start)));
    }

    // Quoted parts and #nnn character codes, joined by '+' across lines.
    AnsiString ParseString() {
        AnsiString result;
        for (;;) {
            while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
                result += text_[pos_] == '\'' ? QuotedPart() : CodePart();
            }
            if (Peek() != '+') {
                return result;
            }
            ++pos_;
            SkipBlanks();
            if (pos_ >= text_.size() || (text_[pos_] != '\'' && text_[pos_] != '#')) {
                Fail("expected a string after '+'");
            }
        }
    }

    AnsiString QuotedPart() {
        std::string utf8;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                Fail("unterminated string");
            }
            if (text_[pos_] == '\'') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                    utf8 += '\'';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            utf8 += text_[pos_++];
        }
        if (!IsAnsiRepresentable(utf8)) {
            Fail("a character of the string has no Windows-1252 code");
        }
        return Utf8ToAnsi(utf8);
    }

    AnsiString CodePart() {
        ++pos_;
        std::size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        if (start == pos_ || pos_ - start > 3 ||
            std::stoi(std::string(text_.substr(start, pos_ - start))) > 255) {
            Fail("malformed character code");
        }
        return AnsiString(
            1, static_cast<char>(std::stoi(std::string(text_.substr(start, pos_ - start)))));
    }

    std::string_view text_;
    std::string_view source_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

class Reader final : public TLayoutNames {
public:
    Reader(TComponent& root, const TLayoutBindings& bindings, std::string_view source)
        : root_(root), bindings_(bindings), source_(source) {}

    void Read(const TLayoutObject& layout) {
        if (layout.className != root_.ClassName()) {
            Fail(layout.line,
                 "the layout is for " + layout.className + ", not " + root_.ClassName());
        }
        root_.BeginLoading();
        root_.Name = layout.name;
        ReadBody(root_, layout);
        for (auto& fixup : fixups_) {
            fixup();
        }
        root_.Loaded();
        for (TComponent* component : created_) {
            component->Loaded();
        }
    }

    const std::any* FindHandler(const std::string& name) const override {
        return bindings_.FindHandler(name);
    }

    void AddFixup(std::function<void()> fixup) override {
        fixups_.push_back([this, line = line_, fixup = std::move(fixup)] { Guard(line, fixup); });
    }

    TComponent* FindComponent(const std::string& name) const override {
        return SameText(root_.Name, name) ? &root_ : root_.FindComponent(name);
    }

private:
    [[noreturn]] void Fail(int line, const std::string& reason) const {
        throw EReadError(std::string(source_) + ", line " + std::to_string(line) + ": " + reason);
    }

    // Gives every failure while reading a line the layout's name and the line.
    template <class Action>
    void Guard(int line, const Action& action) {
        try {
            action();
        } catch (const EReadError&) {
            throw;
        } catch (const Exception& e) {
            Fail(line, e.Message);
        }
    }

    void ReadBody(TComponent& component, const TLayoutObject& layout) {
        for (const TLayoutProperty& property : layout.properties) {
            line_ = property.line;
            Guard(property.line, [&] { Apply(component, property, layout); });
        }
        for (const TLayoutObject& child : layout.children) {
            ReadChild(component, child);
        }
    }

    void ReadChild(TComponent& container, const TLayoutObject& layout) {
        const TClassRegistry::Factory* factory = TClassRegistry::Find(layout.className);
        if (factory == nullptr) {
            Fail(layout.line, "Unknown class '" + layout.className + "'");
        }
        TComponent* component = (*factory)(&root_);
        component->BeginLoading();
        created_.push_back(component);
        Guard(layout.line, [&] {
            component->Name = layout.name;
            bindings_.BindMember(*component);
            container.AdoptChild(*component);
        });
        ReadBody(*component, layout);
    }

    void Apply(TComponent& component, const TLayoutProperty& property,
               const TLayoutObject& layout) {
        TPersistent* target = &component;
        std::string_view rest = property.path;
        for (;;) {
            std::size_t dot = rest.find('.');
            std::string_view segment = rest.substr(0, dot);
            const TPropertyInfo* info = Find(*target, segment);
            if (info == nullptr) {
                throw Exception("Unknown property '" + property.path + "' of " + layout.name +
                                " (" + layout.className + ")");
            }
            if (dot == std::string_view::npos) {
                if (!info->write) {
                    throw Exception("Property '" + property.path + "' holds an object");
                }
                info->write(*target, property.value, *this);
                return;
            }
            if (!info->object) {
                throw Exception("Property '" + std::string(segment) + "' has no sub-properties");
            }
            target = info->object(*target);
            rest = rest.substr(dot + 1);
        }
    }

    static const TPropertyInfo* Find(TPersistent& object, std::string_view name) {
        for (const TPropertyInfo& info : object.Properties()) {
            if (SameText(info.name, name)) {
                return &info;
            }
        }
        return nullptr;
    }

    TComponent& root_;
    const TLayoutBindings& bindings_;
    std::string_view source_;
    std::vector<TComponent*> created_;
    std::vector<std::function<void()>> fixups_;  // each reports errors at its layout line
    int line_ = 0;
};

}  // namespace

TLayoutObject ParseLayout(std::string_view text, std::string_view source) {
    return Parser(text, source).ParseRoot();
}

void TLayoutBindings::BindMember(TComponent& component) const {
    auto found = members_.find(component.Name);
    if (found == members_.end()) {
        throw Exception("Unknown member '" + component.Name + "'");
    }
    found->second(component);
}

const std::any* TLayoutBindings::FindHandler(const std::string& name) const {
    auto found = handlers_.find(name);
    return found == handlers_.end() ? nullptr : &found->second;
}

void ReadLayout(TComponent& root, const TLayoutObject& layout, const TLayoutBindings& bindings,
                std::string_view source) {
    Reader(root, bindings, source).Read(layout);
}

void ReadLayoutResource(TComponent& root, const std::string& resourceName,
                        const TLayoutBindings& bindings) {
    std::span<const unsigned char> data =
        HInstance != nullptr ? HInstance->Find(resourceName) : std::span<const unsigned char>();
    if (data.empty()) {
        throw EReadError("Resource " + resourceName + " not found");
    }
    std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    ReadLayout(root, ParseLayout(text, resourceName), bindings, resourceName);
}
