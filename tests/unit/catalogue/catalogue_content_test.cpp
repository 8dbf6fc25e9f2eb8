// The content rules of the program's own string table, so that an edit of the jokes that breaks
// one fails here.
#include <algorithm>
#include <string>

#include "catalogue/catalogue.h"
#include "tests/unit/catalogue/real_catalogue.h"

namespace {

using CatalogueContentTest = RealCatalogueTest;

struct CategoryContent {
    const char* Caption;
    const char* LastIdText;
    int Jokes;
    int WithoutAuthor;
    std::size_t LongestText;
};

const CategoryContent kCategories[CategoryCount] = {
    {"Battute Cattive", "1051", 26, 3, 352},
    {"Battute Filosofiche", "2073", 37, 6, 548},
    {"Battute sulla (s)fortuna", "3029", 15, 0, 542},
    {"Battute folli e \"non sense\"", "4099", 50, 6, 592},
    {"Computer && Internet", "5017", 9, 5, 133},
    {"Famiglia", "6021", 11, 3, 158},
    {"Festivit\xE0 e Ricorrenze", "7013", 7, 2, 261},
    {"Giochi di parole", "8133", 67, 13, 219},
    {"Politica", "9069", 35, 0, 556},
    {"Rapporti tra i sessi", "10055", 28, 2, 191},
    {"Religione", "11021", 11, 3, 288},
    {"Societ\xE0", "12083", 42, 9, 289},
    {"Sport", "13013", 7, 0, 490},
    {"Televisione", "14019", 10, 2, 151},
};

TEST_F(CatalogueContentTest, CaptionsAndLastIdsAreStoredWordForWord) {
    for (int category = 0; category < CategoryCount; ++category) {
        EXPECT_EQ(CategoryCaption(category), kCategories[category].Caption);
        EXPECT_EQ(LoadCatalogueString(LastIdStringId(category)), kCategories[category].LastIdText);
    }
}

TEST_F(CatalogueContentTest, EveryCategoryHoldsItsJokesAuthorsAndLongestText) {
    int jokes = 0;
    int withoutAuthor = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        const CategoryContent& expected = kCategories[category];
        int categoryWithoutAuthor = 0;
        std::size_t longest = 0;
        int first = FirstStringId(category);
        for (int authorId = first; authorId < first + 2 * JokeCount(category); authorId += 2) {
            categoryWithoutAuthor += LoadCatalogueString(authorId).empty();
            longest = std::max(longest, LoadCatalogueString(authorId + 1).size());
        }
        EXPECT_EQ(JokeCount(category), expected.Jokes) << "category " << category;
        EXPECT_EQ(categoryWithoutAuthor, expected.WithoutAuthor) << "category " << category;
        EXPECT_EQ(longest, expected.LongestText) << "category " << category;
        jokes += JokeCount(category);
        withoutAuthor += categoryWithoutAuthor;
    }
    EXPECT_EQ(jokes, 355);
    EXPECT_EQ(withoutAuthor, 54);
}

TEST_F(CatalogueContentTest, AuthorsAndTextsKeepTheirLengths) {
    for (int number = 1; number <= 355; ++number) {
        auto location = LocateJoke(number);
        ASSERT_TRUE(location) << "joke " << number;
        std::size_t author = LoadCatalogueString(location->AuthorId).size();
        std::size_t text = LoadCatalogueString(location->TextId).size();
        if (author != 0) {
            EXPECT_TRUE(author >= 4 && author <= 50)
                << "author of joke " << number << ": " << author;
        }
        EXPECT_TRUE(text >= 13 && text <= 592) << "text of joke " << number << ": " << text;
    }
}

// Ids 0..27 and each category's ids up to its last one; nothing in between or beyond.
TEST_F(CatalogueContentTest, NoTextOutsideTheCatalogueIds) {
    for (const auto& [id, text] : TralalinoResources().Strings) {
        int category = id / IdsPerCategory - 1;
        bool inCategoryTable = id <= LastIdStringId(CategoryCount - 1);
        bool inJokes = category >= 0 && category < CategoryCount && id <= LastStringId(category);
        EXPECT_TRUE(inCategoryTable || inJokes) << "id " << id;
    }
}

// Printable ASCII and à è ì ò ù; an ampersand only in the caption that shows one, doubled.
TEST_F(CatalogueContentTest, CharactersAndAmpersandsStayWithinTheRules) {
    const std::string accented = "\xE0\xE8\xEC\xF2\xF9";
    for (const auto& [id, text] : TralalinoResources().Strings) {
        for (char c : text) {
            bool printable = c >= 0x20 && c < 0x7F;
            EXPECT_TRUE(printable || accented.find(c) != std::string::npos)
                << "id " << id << " holds byte " << static_cast<int>(static_cast<unsigned char>(c));
        }
        if (id != CaptionStringId(4)) {
            EXPECT_EQ(text.find('&'), std::string::npos) << "id " << id;
        }
    }
}

}  // namespace
