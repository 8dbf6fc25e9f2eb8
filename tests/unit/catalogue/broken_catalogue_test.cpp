// Small catalogues with stored data that the build would reject, in memory: what the program
// does with them follows the counting and the walk as they are defined, with no repair.
#include <gtest/gtest.h>

#include <vector>

#include "catalogue/catalogue.h"
#include "platform/resources.h"

namespace {

// Captions "Caption c"; every category holds 2 jokes unless its last-id text is given.
TResourceModule Catalogue(const std::map<int, const char*>& lastIdTexts) {
    TResourceModule module;
    for (int category = 0; category < CategoryCount; ++category) {
        module.Strings[CaptionStringId(category)] = "Caption " + std::to_string(category);
        auto given = lastIdTexts.find(category);
        if (given == lastIdTexts.end()) {
            module.Strings[LastIdStringId(category)] = std::to_string(FirstStringId(category) + 3);
        } else if (*given->second != '\0') {
            module.Strings[LastIdStringId(category)] = given->second;
        }
    }
    return module;
}

// Category 0 holds 3 jokes, and the last-id text of category 2 is not a number.
class BrokenLastIdTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override { HInstance = &module_; }
    void TearDown() override { HInstance = nullptr; }

    std::string ExpectedMessage() const {
        return std::string("'") + GetParam() + "' is not a valid integer value";
    }

    TResourceModule module_ = Catalogue({{0, "1005"}, {2, GetParam()}});
};

TEST_P(BrokenLastIdTest, CountingStopsAtTheBrokenCategory) {
    int total = -1;
    std::vector<std::pair<int, AnsiString>> handedOver;
    try {
        CountJokes(total, [&](int category, const AnsiString& caption) {
            handedOver.emplace_back(category, caption);
        });
        FAIL() << "counting went past the broken category";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message, ExpectedMessage());
    }
    EXPECT_EQ(total, 5);
    EXPECT_EQ(handedOver, (std::vector<std::pair<int, AnsiString>>{
                              {0, "Caption 0"}, {1, "Caption 1"}, {2, "Caption 2"}}));
}

// A lookup reads the last ids only as far as it walks.
TEST_P(BrokenLastIdTest, LookupsFailOnlyWhenTheyReachIt) {
    EXPECT_EQ(LocateJoke(5), (JokeLocation{1, 2002, 2003}));
    EXPECT_EQ(FirstJokeNumber(2), 6);
    for (auto lookup :
         {+[] { LocateJoke(6); }, +[] { FirstJokeNumber(3); }, +[] { JokeCount(2); }}) {
        try {
            lookup();
            ADD_FAILURE() << "no conversion error";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message, ExpectedMessage());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LastIdTexts, BrokenLastIdTest,
                         testing::Values("30x1", "", " 3001", "3001.0", "99999999999"));

class OffRangeLastIdTest : public testing::Test {
protected:
    void SetUp() override { HInstance = &module_; }
    void TearDown() override { HInstance = nullptr; }

    // Category 0 ends on an even id; category 1's last id lies 2 below its first one.
    TResourceModule module_ = Catalogue({{0, "1004"}, {1, "1998"}});
};

// The walk stops before the last id (j < last), so an even last id adds no joke of its own.
TEST_F(OffRangeLastIdTest, EvenLastIdEndsTheWalkBeforeIt) {
    EXPECT_EQ(JokeCount(0), 2);
    EXPECT_EQ(LocateJoke(2), (JokeLocation{0, 1002, 1003}));
    EXPECT_EQ(LocateJoke(3), (JokeLocation{2, 3000, 3001}));
}

// (1998 - 2000 + 1) / 2 truncates toward zero: no jokes, not minus one.
TEST_F(OffRangeLastIdTest, LastIdBelowTheFirstHoldsNoJokes) {
    EXPECT_EQ(JokeCount(1), 0);
    EXPECT_EQ(FirstJokeNumber(2), 3);
    int total = 0;
    CountJokes(total, [](int, const AnsiString&) {});
    EXPECT_EQ(total, 2 + 0 + 12 * 2);
}

}  // namespace
