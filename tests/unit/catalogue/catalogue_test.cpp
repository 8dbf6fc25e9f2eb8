// Counting, numbering and lookups over the program's own string table.
#include <cstring>
#include <optional>
#include <vector>

#include "catalogue/catalogue.h"
#include "tests/unit/catalogue/real_catalogue.h"

namespace {

constexpr int kTotalJokes = 355;

using CatalogueTest = RealCatalogueTest;

TEST_F(CatalogueTest, CountingHandsOverEveryCategoryInOrderAndTotals355) {
    int total = -7;
    std::vector<int> categories;
    CountJokes(total, [&](int category, const AnsiString& caption) {
        EXPECT_FALSE(caption.empty()) << category;
        categories.push_back(category);
    });
    EXPECT_EQ(total, kTotalJokes);
    EXPECT_EQ(categories, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST_F(CatalogueTest, LocateJokeAtTheEdges) {
    struct Case {
        int Number;
        std::optional<JokeLocation> Expected;
    };
    const Case cases[] = {
        {1, JokeLocation{0, 1000, 1001}},
        {26, JokeLocation{0, 1050, 1051}},
        {27, JokeLocation{1, 2000, 2001}},
        {355, JokeLocation{13, 14018, 14019}},
        {0, std::nullopt},
        {356, std::nullopt},
        {-1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocateJoke(c.Number), c.Expected) << "joke " << c.Number;
    }
}

TEST_F(CatalogueTest, FirstJokeNumberOfEveryCategoryLeadsToItsFirstStrings) {
    const int expected[CategoryCount] = {1,   27,  64,  79,  129, 138, 149,
                                         156, 223, 258, 286, 297, 339, 346};
    for (int category = 0; category < CategoryCount; ++category) {
        int number = FirstJokeNumber(category);
        EXPECT_EQ(number, expected[category]) << "category " << category;
        int first = FirstStringId(category);
        EXPECT_EQ(LocateJoke(number), (JokeLocation{category, first, first + 1}))
            << "category " << category;
    }
}

// Numbers run in category order and, inside a category, in id order; the inverse gives each back.
TEST_F(CatalogueTest, EveryJokeNumberRoundTripsInCategoryAndIdOrder) {
    std::optional<JokeLocation> previous;
    for (int number = 1; number <= kTotalJokes; ++number) {
        auto location = LocateJoke(number);
        ASSERT_TRUE(location) << "joke " << number;
        EXPECT_EQ(JokeNumber(location->Category, location->AuthorId), number);
        EXPECT_EQ(location->TextId, location->AuthorId + 1);
        if (previous && previous->Category == location->Category) {
            EXPECT_EQ(location->AuthorId, previous->AuthorId + 2) << "joke " << number;
        } else {
            EXPECT_EQ(location->Category, previous ? previous->Category + 1 : 0);
            EXPECT_EQ(location->AuthorId, FirstStringId(location->Category)) << "joke " << number;
        }
        EXPECT_LE(location->TextId, LastStringId(location->Category)) << "joke " << number;
        previous = location;
    }
}

TEST_F(CatalogueTest, JokeWithoutAuthorYieldsEmptyAuthorAndItsFullText) {
    const auto& stored = TralalinoResources().Strings;
    int withoutAuthor = 0;
    for (int number = 1; number <= kTotalJokes; ++number) {
        auto location = LocateJoke(number);
        ASSERT_TRUE(location);
        if (stored.contains(static_cast<std::uint16_t>(location->AuthorId))) {
            continue;
        }
        ++withoutAuthor;
        EXPECT_EQ(LoadCatalogueString(location->AuthorId), "") << "joke " << number;
        EXPECT_EQ(LoadCatalogueString(location->TextId),
                  stored.at(static_cast<std::uint16_t>(location->TextId)))
            << "joke " << number;
    }
    EXPECT_EQ(withoutAuthor, 54);
}

TEST_F(CatalogueTest, LongestTextArrivesWhole) {
    const auto& stored = TralalinoResources().Strings;
    auto longest = std::max_element(stored.begin(), stored.end(), [](const auto& a, const auto& b) {
        return a.second.size() < b.second.size();
    });
    ASSERT_EQ(longest->second.size(), 592u);
    char buffer[StringBufferSize];
    EXPECT_EQ(LoadStringA(HInstance, longest->first, buffer, sizeof buffer), 592);
    EXPECT_EQ(std::string(buffer), longest->second);
    EXPECT_EQ(LoadCatalogueString(longest->first), longest->second);
}

TEST_F(CatalogueTest, LoadStringCutsToTheBufferAndNeverWritesPastIt) {
    struct Case {
        unsigned Id;
        int BufferSize;
        const char* Expected;
    };
    const Case cases[] = {
        {0, 1, ""},
        {0, 2, "B"},
        {0, 8, "Battute"},
        {0, 15, "Battute Cattiv"},
        {0, 16, "Battute Cattive"},
        {0, StringBufferSize, "Battute Cattive"},
        {28, StringBufferSize, ""},            // between the category table and the jokes
        {1001 + 65536, StringBufferSize, ""},  // must not wrap onto id 1001
    };
    for (const Case& c : cases) {
        char buffer[StringBufferSize + 1];
        std::memset(buffer, 'x', sizeof buffer);
        int count = LoadStringA(HInstance, c.Id, buffer, c.BufferSize);
        EXPECT_EQ(count, static_cast<int>(std::strlen(c.Expected))) << c.Id << "/" << c.BufferSize;
        EXPECT_STREQ(buffer, c.Expected) << c.Id << "/" << c.BufferSize;
        EXPECT_EQ(buffer[c.BufferSize], 'x') << c.Id << "/" << c.BufferSize;
    }
}

TEST_F(CatalogueTest, LoadStringWithoutInstanceOrRoomGivesNothing) {
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(LoadStringA(nullptr, 0, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");

    std::strcpy(buffer, "xxxxxxx");
    EXPECT_EQ(LoadStringA(HInstance, 0, buffer, 0), 0);
    EXPECT_STREQ(buffer, "xxxxxxx");
}

}  // namespace
