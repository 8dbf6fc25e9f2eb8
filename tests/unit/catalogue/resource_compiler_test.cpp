// The resource compiler run as the build runs it. A bad script must fail the build with
// "file:line: reason" and write nothing; a good one writes the module source and a depfile.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CompilerRun {
    int ExitCode;
    std::string Errors;
};

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class ResourceCompilerTest : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "_" + test->name();
        std::replace(name.begin(), name.end(), '/', '_');
        folder_ = fs::path(testing::TempDir()) / ("tralalino_rc_" + name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        Write("present.bin", "bytes");
    }

    void TearDown() override { fs::remove_all(folder_); }

    fs::path Write(const std::string& name, const std::string& text) {
        fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    CompilerRun Compile(const std::vector<std::string>& arguments) {
        std::string command =
            std::string("'") + RESOURCE_COMPILER + "' --output '" + Output().string() + "'";
        for (const auto& argument : arguments) {
            command += " '" + argument + "'";
        }
        fs::path errors = folder_ / "errors.txt";
        int status = std::system((command + " 2>'" + errors.string() + "'").c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(errors)};
    }

    fs::path Output() const { return folder_ / "module.cpp"; }

    void ExpectFailure(const std::vector<std::string>& arguments, const std::string& expected) {
        CompilerRun run = Compile(arguments);
        EXPECT_EQ(run.ExitCode, 1);
        EXPECT_EQ(run.Errors, expected + "\n");
        EXPECT_FALSE(fs::exists(Output()));
    }

    fs::path folder_;
};

struct BadScript {
    const char* Name;
    const char* Script;
    int Line;
    // "{script}" stands for the script's path.
    const char* Reason;
};

void PrintTo(const BadScript& bad, std::ostream* out) {
    *out << bad.Name;
}

class BadScriptTest : public ResourceCompilerTest, public testing::WithParamInterface<BadScript> {};

TEST_P(BadScriptTest, FailsWithLineAndReason) {
    const BadScript& bad = GetParam();
    fs::path script = Write("bad.rc", bad.Script);
    std::string reason = bad.Reason;
    if (auto at = reason.find("{script}"); at != std::string::npos) {
        reason.replace(at, 8, script.string());
    }
    ExpectFailure({script.string()},
                  script.string() + ":" + std::to_string(bad.Line) + ": " + reason);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, BadScriptTest,
    testing::Values(
        BadScript{"UnterminatedString", "STRINGTABLE\nBEGIN\n  1, \"abc\nEND\n", 3,
                  "unterminated string"},
        BadScript{"UnterminatedAfterDoubledQuote",
                  "STRINGTABLE\nBEGIN\n  1, \"say \"\"hi\"\"\nEND\n", 3, "unterminated string"},
        BadScript{"MissingComma", "STRINGTABLE\nBEGIN\n  1 \"abc\"\nEND\n", 3,
                  "missing comma after string id 1"},
        BadScript{"MissingText", "STRINGTABLE\nBEGIN\n  1, abc\nEND\n", 3,
                  "expected a quoted text after '1,', found 'abc'"},
        BadScript{"StrayWordAfterEntry", "STRINGTABLE\nBEGIN\n  1, \"a\" b\nEND\n", 3,
                  "stray text 'b' in STRINGTABLE; expected a string id or END"},
        BadScript{"StrayCharacter", "STRINGTABLE\nBEGIN\n  1, \"a\";\nEND\n", 3, "stray text ';'"},
        BadScript{"StrayEnd", "// nothing opened\nEND\n", 2,
                  "stray text 'END'; expected STRINGTABLE or a named resource"},
        BadScript{"MisspeltKeyword", "// the table\nSTRINGTABEL\nBEGIN\n  1, \"a\"\nEND\n", 2,
                  "unknown keyword 'STRINGTABEL'"},
        BadScript{"OptionAfterStringTable", "STRINGTABLE DISCARDABLE\nBEGIN\nEND\n", 1,
                  "expected BEGIN or '{' after STRINGTABLE, unknown keyword 'DISCARDABLE'"},
        BadScript{"NoEnd", "\nSTRINGTABLE\n{\n  1, \"a\"\n", 2, "STRINGTABLE has no END"},
        BadScript{"UnknownType", "MANO PICTURE \"present.bin\"\n", 1,
                  "unknown resource type 'PICTURE'; expected CURSOR, ICON, BITMAP or RCDATA"},
        BadScript{"MissingType", "MANO \"present.bin\"\n", 1, "missing resource type after 'MANO'"},
        BadScript{"MissingFileName", "MANO CURSOR\n", 1,
                  "expected a quoted file name after 'MANO CURSOR', found end of file"},
        BadScript{"EmptyFileName", "MANO CURSOR \"\"\n", 1, "empty file name for 'MANO'"},
        BadScript{"MissingFile", "\nMANO CURSOR \"missing.cur\"\n", 2,
                  "resource file 'missing.cur' not found or unreadable"},
        BadScript{"DuplicateName", "MANO CURSOR \"present.bin\"\nmano ICON \"present.bin\"\n", 2,
                  "duplicate resource name 'MANO' (first defined at {script}:1)"},
        BadScript{"DuplicateId", "STRINGTABLE\nBEGIN\n  7, \"a\"\n  7, \"b\"\nEND\n", 4,
                  "duplicate string id 7 (first defined at {script}:3)"},
        BadScript{"IdAboveRange", "STRINGTABLE\nBEGIN\n  65536, \"a\"\nEND\n", 3,
                  "string id 65536 is out of range 0..65535"},
        BadScript{"NegativeId", "STRINGTABLE\nBEGIN\n  -1, \"a\"\nEND\n", 3,
                  "string id -1 is out of range 0..65535"},
        BadScript{"AccentOutsideTheFive", "STRINGTABLE\nBEGIN\n  1, \"caff\xC3\xA9\"\nEND\n", 3,
                  "character '\xC3\xA9' is not allowed; texts hold printable ASCII and "
                  "\xC3\xA0 \xC3\xA8 \xC3\xAC \xC3\xB2 \xC3\xB9 only"},
        BadScript{"Windows1252ButNotAllowed", "STRINGTABLE\nBEGIN\n  1, \"5 \xE2\x82\xAC\"\nEND\n",
                  3,
                  "character '\xE2\x82\xAC' is not allowed; texts hold printable ASCII and "
                  "\xC3\xA0 \xC3\xA8 \xC3\xAC \xC3\xB2 \xC3\xB9 only"},
        BadScript{"OutsideWindows1252", "STRINGTABLE\nBEGIN\n  1, \"ok \xE2\x9C\x93\"\nEND\n", 3,
                  "text holds a character outside Windows-1252 or is not valid UTF-8"},
        BadScript{"MalformedUtf8", "STRINGTABLE\nBEGIN\n  1, \"a\xFFz\"\nEND\n", 3,
                  "text holds a character outside Windows-1252 or is not valid UTF-8"},
        BadScript{"ControlCharacter", "STRINGTABLE\nBEGIN\n  1, \"a\tb\"\nEND\n", 3,
                  "control character 0x09 is not allowed"}),
    [](const testing::TestParamInfo<BadScript>& info) { return info.param.Name; });

TEST_F(ResourceCompilerTest, ReportsEveryBadEntryOfAScript) {
    fs::path script =
        Write("bad.rc", "STRINGTABLE\nBEGIN\n  70000, \"a\"\n  2, \"b\tc\"\n  3, \"d\"\nEND\n");
    ExpectFailure({script.string()},
                  script.string() + ":3: string id 70000 is out of range 0..65535\n" +
                      script.string() + ":4: control character 0x09 is not allowed");
}

TEST_F(ResourceCompilerTest, DuplicateIdAcrossScriptsNamesBothPlaces) {
    fs::path first = Write("first.rc", "STRINGTABLE\nBEGIN\n  12, \"a\"\nEND\n");
    fs::path second = Write("second.rc", "\nSTRINGTABLE\nBEGIN\n  12, \"b\"\nEND\n");
    ExpectFailure(
        {first.string(), second.string()},
        second.string() + ":4: duplicate string id 12 (first defined at " + first.string() + ":3)");
}

TEST_F(ResourceCompilerTest, GoodScriptsWriteTheModuleAndADepfileOfEveryInput) {
    fs::path strings = Write("strings.rc", "STRINGTABLE\n{\n  0, \"a\"\n  65535, \"b\"\n}\n");
    fs::create_directories(folder_ / "art");
    Write("art/hand.cur", "cursor");
    fs::path files =
        Write("files.rc", "MANO CURSOR \"art/hand.cur\"\nTFORM1 RCDATA \"present.bin\"\n");
    fs::path depfile = folder_ / "module.d";

    CompilerRun run = Compile({"--depfile", depfile.string(), strings.string(), files.string()});

    EXPECT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(run.Errors, "");
    EXPECT_TRUE(fs::exists(Output()));
    std::string dependencies = ReadText(depfile);
    EXPECT_EQ(dependencies.find(Output().string() + ":"), 0u) << dependencies;
    for (const fs::path& input :
         {strings, files, folder_ / "art/hand.cur", folder_ / "present.bin"}) {
        EXPECT_NE(dependencies.find(" " + input.string()), std::string::npos) << input;
    }
}

// One joke per category; the joke of category 13 has no author, the text of category 0 is the
// longest that fits, and category 4's caption holds the doubled ampersand.
std::string ValidCatalogue() {
    std::string script = "STRINGTABLE\nBEGIN\n";
    for (int category = 0; category < 14; ++category) {
        std::string caption =
            category == 4 ? "Computer && Internet" : "Category " + std::to_string(category);
        script += "  " + std::to_string(2 * category) + ", \"" + caption + "\"\n";
        script += "  " + std::to_string(2 * category + 1) + ", \"" +
                  std::to_string(1000 * (category + 1) + 1) + "\"\n";
    }
    for (int category = 0; category < 14; ++category) {
        int first = 1000 * (category + 1);
        if (category != 13) {
            script += "  " + std::to_string(first) + ", \"Author\"\n";
        }
        // 1022 letters and an à: 1023 bytes once in Windows-1252.
        std::string text = category == 0 ? std::string(1022, 'a') + "\xC3\xA0" : "Text";
        script += "  " + std::to_string(first + 1) + ", \"" + text + "\"\n";
    }
    return script + "END\n";
}

TEST_F(ResourceCompilerTest, ValidCatalogueCompiles) {
    CompilerRun run = Compile({"--catalogue", Write("strings.rc", ValidCatalogue()).string()});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Errors, "");
}

TEST_F(ResourceCompilerTest, CatalogueRulesApplyOnlyWhenAsked) {
    fs::path script = Write("small.rc", "STRINGTABLE\nBEGIN\n  0, \"Only caption\"\nEND\n");
    EXPECT_EQ(Compile({script.string()}).ExitCode, 0);
    fs::remove(Output());
    CompilerRun run = Compile({"--catalogue", script.string()});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Errors.find(script.string() + ":1: category 0 has no last string id (id 1)\n" +
                              script.string() + ":1: category 1 has no caption (id 2)\n"),
              0u)
        << run.Errors;
}

TEST_F(ResourceCompilerTest, CatalogueNeedsAStringTable) {
    ExpectFailure({"--catalogue", Write("files.rc", "// none\n").string()},
                  "tralalino-rc: no script holds a STRINGTABLE to check the catalogue against");
}

struct BrokenCatalogueScript {
    const char* Name;
    std::string From;
    std::string To;
    int Line;
    std::string Reason;
};

void PrintTo(const BrokenCatalogueScript& broken, std::ostream* out) {
    *out << broken.Name;
}

class BrokenCatalogueScriptTest : public ResourceCompilerTest,
                                  public testing::WithParamInterface<BrokenCatalogueScript> {};

TEST_P(BrokenCatalogueScriptTest, FailsWithLineAndReason) {
    const BrokenCatalogueScript& broken = GetParam();
    fs::path script = Write("strings.rc", Replaced(ValidCatalogue(), broken.From, broken.To));
    ExpectFailure({"--catalogue", script.string()},
                  script.string() + ":" + std::to_string(broken.Line) + ": " + broken.Reason);
}

// Lines of the valid catalogue: 3 + id for the ids 0..27; from 31 the jokes, two lines each.
INSTANTIATE_TEST_SUITE_P(
    Rules, BrokenCatalogueScriptTest,
    testing::Values(
        BrokenCatalogueScript{"NoCaption", "  4, \"Category 2\"", "  4, \"\"", 1,
                              "category 2 has no caption (id 4)"},
        BrokenCatalogueScript{"NoLastId", "  5, \"3001\"", "  5, \"\"", 1,
                              "category 2 has no last string id (id 5)"},
        BrokenCatalogueScript{"LastIdNotDigits", "  3, \"2001\"", "  3, \"2O01\"", 6,
                              "last string id of category 1 must be decimal digits, found '2O01'"},
        BrokenCatalogueScript{"LastIdEven", "  3, \"2001\"", "  3, \"2002\"", 6,
                              "last string id 2002 of category 1 must be odd"},
        BrokenCatalogueScript{"LastIdBelowItsRange", "  3, \"2001\"", "  3, \"1999\"", 6,
                              "last string id 1999 of category 1 must lie in 2001..2999"},
        BrokenCatalogueScript{"LastIdAboveItsRange", "  3, \"2001\"", "  3, \"3001\"", 6,
                              "last string id 3001 of category 1 must lie in 2001..2999"},
        BrokenCatalogueScript{"TextIdWithoutEntry", "  1, \"1001\"", "  1, \"1003\"", 4,
                              "text id 1003 of category 0 has no text"},
        BrokenCatalogueScript{"TextIdEmpty", "  2001, \"Text\"", "  2001, \"\"", 34,
                              "text id 2001 of category 1 has no text"},
        BrokenCatalogueScript{"TextBetweenTheRanges", "END", "  500, \"Stray\"\nEND", 58,
                              "string id 500 holds a text outside the catalogue's ids"},
        BrokenCatalogueScript{"TextAfterTheLastId", "END", "  1003, \"Stray\"\nEND", 58,
                              "string id 1003 holds a text outside the catalogue's ids"},
        BrokenCatalogueScript{"TextTooLong", "a\xC3\xA0\"", "a\xC3\xA0\xC3\xA0\"", 32,
                              "text of id 1001 is 1024 bytes long; at most 1023 arrive"},
        BrokenCatalogueScript{
            "AmpersandInText", "  2001, \"Text\"", "  2001, \"Rock & roll\"", 34,
            "'&' in id 2001; only the caption of category 4 may hold one, doubled"},
        BrokenCatalogueScript{"AmpersandInOtherCaption", "  6, \"Category 3\"",
                              "  6, \"Cats && dogs\"", 9,
                              "'&' in id 6; only the caption of category 4 may hold one, doubled"},
        BrokenCatalogueScript{
            "SingleAmpersandInCaption", "Computer && Internet", "Computer & Internet", 11,
            "a single '&' in the caption of category 4 would mark an accelerator; "
            "write '&&'"},
        BrokenCatalogueScript{
            "OddAmpersandRunInCaption", "Computer && Internet", "Computer &&& Internet", 11,
            "a single '&' in the caption of category 4 would mark an accelerator; "
            "write '&&'"}),
    [](const testing::TestParamInfo<BrokenCatalogueScript>& info) { return info.param.Name; });

}  // namespace
