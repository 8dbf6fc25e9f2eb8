// Scripts in fixtures/ compiled by the build into a module: what the module holds is exactly
// what the scripts say, byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "resources/tralalino_resources.h"

namespace {

std::vector<unsigned char> FixtureBytes(const std::string& name) {
    std::ifstream in(std::string(FIXTURES) + "/roundtrip/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> Bytes(std::span<const unsigned char> data) {
    return {data.begin(), data.end()};
}

TEST(ResourceRoundTrip, StringsArriveAsWindows1252TextsWithoutTheEmptyOnes) {
    std::map<std::uint16_t, std::string> expected = {
        {0, "Plain text"},
        {1, "He said \"hi\""},
        {2, "citt\xE0 \xE8 \xEC \xF2 \xF9"},
        {4, "Second block, lower-case keyword"},
        {17, "  blanks kept  "},
        {500, "back\\slash // not a comment"},
        {65535, "Highest id"},
    };
    EXPECT_EQ(TralalinoResources().Strings, expected);
}

TEST(ResourceRoundTrip, FilesArriveWholeUnderTheirUpperCaseNames) {
    const TResourceModule& module = TralalinoResources();
    std::vector<std::string> names;
    for (const auto& [name, data] : module.Data) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"EMPTY", "MANO", "TFORM1"}));

    std::vector<unsigned char> allBytes = FixtureBytes("all_bytes.bin");
    ASSERT_EQ(allBytes.size(), 256u);
    EXPECT_EQ(Bytes(module.Find("mano")), allBytes);
    EXPECT_EQ(Bytes(module.Find("TFORM1")), FixtureBytes("layout.txt"));
    EXPECT_TRUE(module.Find("EMPTY").empty());
}

}  // namespace
