// tralalino-rc: compiles resource scripts into the C++ source of the program's resource module.
// Any error fails the build with "file:line: reason" and writes nothing.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "tools/rc/catalogue_rules.h"
#include "tools/rc/module_source.h"
#include "tools/rc/resource_table.h"

namespace {

constexpr std::string_view kUsage =
    "usage: tralalino-rc [--catalogue] --output FILE.cpp [--depfile FILE.d] SCRIPT.rc...\n"
    "  --catalogue  also check the string table against the joke catalogue's layout\n";

struct Options {
    bool Catalogue = false;
    std::filesystem::path Output;
    std::filesystem::path Depfile;
    std::vector<std::filesystem::path> Scripts;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options options;
    for (int at = 1; at < argc; ++at) {
        std::string_view argument = argv[at];
        bool hasValue = at + 1 < argc;
        if (argument == "--catalogue") {
            options.Catalogue = true;
        } else if (argument == "--output" && hasValue) {
            options.Output = argv[++at];
        } else if (argument == "--depfile" && hasValue) {
            options.Depfile = argv[++at];
        } else if (argument.starts_with("--")) {
            return std::nullopt;
        } else {
            options.Scripts.emplace_back(argument);
        }
    }
    if (options.Output.empty() || options.Scripts.empty()) {
        return std::nullopt;
    }
    return options;
}

std::optional<std::string> ReadScript(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

template <typename Writer>
bool WriteFile(const std::filesystem::path& path, Writer write) {
    std::ofstream out(path, std::ios::binary);
    write(out);
    out.close();
    if (!out) {
        std::cerr << "tralalino-rc: cannot write " << path.string() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    Diagnostics errors;
    ResourceTable table;
    for (const auto& script : options->Scripts) {
        auto source = ReadScript(script);
        if (!source) {
            errors.push_back({{}, "cannot read resource script " + script.string()});
            continue;
        }
        table.Add(ParseResourceScript(*source, script.string(), errors), errors);
    }
    // Checked only once the scripts are clean: a dropped entry would only add false alarms.
    if (options->Catalogue && errors.empty()) {
        CheckCatalogue(table, errors);
    }
    if (!errors.empty()) {
        for (const Diagnostic& error : errors) {
            std::cerr << error.Format() << "\n";
        }
        return 1;
    }
    if (!WriteFile(options->Output, [&](std::ostream& out) { WriteModuleSource(table, out); })) {
        return 1;
    }
    if (!options->Depfile.empty()) {
        std::vector<std::filesystem::path> inputs = options->Scripts;
        for (const auto& [name, file] : table.Files) {
            inputs.push_back(file.Path);
        }
        if (!WriteFile(options->Depfile,
                       [&](std::ostream& out) { WriteDepfile(options->Output, inputs, out); })) {
            return 1;
        }
    }
    return 0;
}
