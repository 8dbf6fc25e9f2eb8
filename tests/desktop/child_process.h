// Processes a desktop test starts: servers, tools and programs under test. Each one is
// stopped by its own process id, never by name.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace desktop {

// Environment changes for a child: "NAME=value" sets a variable, a bare "NAME" removes it.
using EnvironmentChanges = std::vector<std::string>;

struct CommandResult {
    int exitCode = 0;
    std::string output;  // stdout only; stderr stays the test's
};

// A started child. It gets SIGTERM when the test process dies, and the destructor stops it if
// it still runs, so no child outlives a failed or crashed test.
class ChildProcess {
public:
    struct Options {
        std::vector<std::string> argv;  // argv[0] is looked up in PATH
        EnvironmentChanges environment;
        std::filesystem::path output;  // stdout and stderr go here when set
    };

    // Throws std::runtime_error when the program cannot be started.
    static ChildProcess Start(const Options& options);

    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ~ChildProcess();

    pid_t Pid() const { return pid_; }
    bool Running();
    // The exit code, or 128 + the signal that ended it; empty if it still runs at the timeout.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
    // SIGTERM, then SIGKILL after the grace period; returns as WaitForExit.
    int Stop(std::chrono::milliseconds grace = std::chrono::seconds(3));

private:
    friend CommandResult RunCommand(const std::vector<std::string>&, const EnvironmentChanges&,
                                    std::chrono::milliseconds);
    explicit ChildProcess(pid_t pid) : pid_(pid) {}
    bool Reap(int options);

    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

// Runs a short tool to its end. Throws when it does not end within the timeout (it is killed).
CommandResult RunCommand(const std::vector<std::string>& argv,
                         const EnvironmentChanges& environment,
                         std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace desktop
