#include "catalogue_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "catalogue/catalogue.h"

namespace {

// Its caption holds a doubled ampersand, which menus and labels show as one.
constexpr int kAmpersandCategory = 4;
constexpr std::size_t kLongestText = StringBufferSize - 1;

std::string Category(int category) {
    return "category " + std::to_string(category);
}

class CatalogueCheck {
public:
    CatalogueCheck(const ResourceTable& table, Diagnostics& errors)
        : table_(table), errors_(errors) {}

    void Run() {
        for (int category = 0; category < CategoryCount; ++category) {
            CheckCategory(category);
        }
        for (const auto& [id, string] : table_.Strings) {
            if (!string.Text.empty()) {
                CheckString(id, string);
            }
        }
    }

private:
    // Null for an id without text: an empty entry stores nothing either.
    const TableString* TextOf(int id) const {
        auto found = table_.Strings.find(static_cast<std::uint16_t>(id));
        return found == table_.Strings.end() || found->second.Text.empty() ? nullptr
                                                                           : &found->second;
    }

    void CheckCategory(int category) {
        int captionId = CaptionStringId(category);
        int lastIdId = LastIdStringId(category);
        if (!TextOf(captionId)) {
            Error(*table_.StringTable,
                  Category(category) + " has no caption (id " + std::to_string(captionId) + ")");
        }
        const TableString* lastIdText = TextOf(lastIdId);
        if (!lastIdText) {
            Error(*table_.StringTable, Category(category) + " has no last string id (id " +
                                           std::to_string(lastIdId) + ")");
            return;
        }
        lastIds_[category] = LastId(category, *lastIdText);
        if (!lastIds_[category]) {
            return;
        }
        for (int id = FirstStringId(category) + 1; id <= *lastIds_[category]; id += 2) {
            if (!TextOf(id)) {
                auto entry = table_.Strings.find(static_cast<std::uint16_t>(id));
                Error(
                    entry == table_.Strings.end() ? lastIdText->Where : entry->second.Where,
                    "text id " + std::to_string(id) + " of " + Category(category) + " has no text");
            }
        }
    }

    std::optional<int> LastId(int category, const TableString& stored) {
        const std::string& text = stored.Text;
        if (!std::all_of(text.begin(), text.end(),
                         [](unsigned char c) { return std::isdigit(c); })) {
            Error(stored.Where, "last string id of " + Category(category) +
                                    " must be decimal digits, found '" + AnsiToUtf8(text) + "'");
            return std::nullopt;
        }
        int first = FirstStringId(category);
        int last = 0;
        auto parsed = std::from_chars(text.data(), text.data() + text.size(), last);
        if (parsed.ec != std::errc() || last < first + 1 || last > first + IdsPerCategory - 1) {
            Error(stored.Where, "last string id " + text + " of " + Category(category) +
                                    " must lie in " + std::to_string(first + 1) + ".." +
                                    std::to_string(first + IdsPerCategory - 1));
            return std::nullopt;
        }
        if (last % 2 == 0) {
            Error(stored.Where,
                  "last string id " + text + " of " + Category(category) + " must be odd");
            return std::nullopt;
        }
        return last;
    }

    // True also inside a category whose last id is broken: that was reported already.
    bool InCatalogue(int id) const {
        if (id <= LastIdStringId(CategoryCount - 1)) {
            return true;
        }
        int category = id / IdsPerCategory - 1;
        if (category < 0 || category >= CategoryCount) {
            return false;
        }
        const std::optional<int>& last = lastIds_[category];
        return !last || id <= *last;
    }

    void CheckString(int id, const TableString& string) {
        std::string name = "id " + std::to_string(id);
        if (!InCatalogue(id)) {
            Error(string.Where, "string " + name + " holds a text outside the catalogue's ids");
        }
        if (string.Text.size() > kLongestText) {
            Error(string.Where, "text of " + name + " is " + std::to_string(string.Text.size()) +
                                    " bytes long; at most " + std::to_string(kLongestText) +
                                    " arrive");
        }
        if (id == CaptionStringId(kAmpersandCategory)) {
            CheckDoubledAmpersands(string);
        } else if (string.Text.find('&') != std::string::npos) {
            Error(string.Where, "'&' in " + name + "; only the caption of " +
                                    Category(kAmpersandCategory) + " may hold one, doubled");
        }
    }

    void CheckDoubledAmpersands(const TableString& caption) {
        const std::string& text = caption.Text;
        for (std::size_t at = text.find('&'); at != std::string::npos;
             at = text.find('&', at + 2)) {
            if (at + 1 == text.size() || text[at + 1] != '&') {
                Error(caption.Where, "a single '&' in the caption of " +
                                         Category(kAmpersandCategory) +
                                         " would mark an accelerator; write '&&'");
                return;
            }
        }
    }

    void Error(const SourceLocation& where, std::string reason) {
        errors_.push_back({where, std::move(reason)});
    }

    const ResourceTable& table_;
    Diagnostics& errors_;
    // Per category, its last string id once found valid.
    std::array<std::optional<int>, CategoryCount> lastIds_;
};

}  // namespace

void CheckCatalogue(const ResourceTable& table, Diagnostics& errors) {
    if (!table.StringTable) {
        errors.push_back({{}, "no script holds a STRINGTABLE to check the catalogue against"});
        return;
    }
    CatalogueCheck(table, errors).Run();
}
