// A build error in a resource script, reported as "file:line: reason".
#pragma once

#include <string>
#include <vector>

struct SourceLocation {
    std::string File;
    int Line = 0;

    std::string Format() const { return File + ":" + std::to_string(Line); }
};

struct Diagnostic {
    // No file for an error that belongs to no script.
    SourceLocation Where;
    std::string Reason;

    std::string Format() const {
        return (Where.File.empty() ? std::string("tralalino-rc") : Where.Format()) + ": " + Reason;
    }
};

using Diagnostics = std::vector<Diagnostic>;
