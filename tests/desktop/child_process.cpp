#include "tests/desktop/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <utility>

extern char** environ;

namespace desktop {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> ChangedEnvironment(const EnvironmentChanges& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        result.emplace_back(*entry);
    }
    for (const std::string& change : changes) {
        const std::string name = change.substr(0, change.find('='));
        std::erase_if(result, [&](const std::string& entry) {
            return entry.compare(0, name.size() + 1, name + "=") == 0;
        });
        if (change.find('=') != std::string::npos) {
            result.push_back(change);
        }
    }
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Only async-signal-safe calls between fork and exec. outputFd, when not -1, becomes stdout
// (and stderr when bothStreams).
pid_t Spawn(std::vector<std::string> argv, const EnvironmentChanges& changes, int outputFd,
            bool bothStreams) {
    if (argv.empty()) {
        throw std::runtime_error("no program to start");
    }
    std::vector<std::string> environment = ChangedEnvironment(changes);
    std::vector<char*> argvPointers = Pointers(argv);
    std::vector<char*> environmentPointers = Pointers(environment);
    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(errorPipe[0]);
        close(errorPipe[1]);
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) {
            _exit(127);
        }
        if (outputFd != -1) {
            dup2(outputFd, STDOUT_FILENO);
            if (bothStreams) {
                dup2(outputFd, STDERR_FILENO);
            }
        }
        execvpe(argvPointers[0], argvPointers.data(), environmentPointers.data());
        const int error = errno;
        (void)!write(errorPipe[1], &error, sizeof error);
        _exit(127);
    }
    close(errorPipe[1]);
    int error = 0;
    const bool execFailed = read(errorPipe[0], &error, sizeof error) == sizeof error;
    close(errorPipe[0]);
    if (execFailed) {
        waitpid(pid, nullptr, 0);
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(error));
    }
    return pid;
}

int ExitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

ChildProcess ChildProcess::Start(const Options& options) {
    int outputFd = -1;
    if (!options.output.empty()) {
        outputFd = open(options.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (outputFd < 0) {
            throw std::runtime_error("cannot create " + options.output.string());
        }
    }
    try {
        const pid_t pid = Spawn(options.argv, options.environment, outputFd, true);
        if (outputFd != -1) {
            close(outputFd);
        }
        return ChildProcess(pid);
    } catch (...) {
        if (outputFd != -1) {
            close(outputFd);
        }
        throw;
    }
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), exitCode_(other.exitCode_) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        if (pid_ > 0 && !exitCode_) {
            Stop();
        }
        pid_ = std::exchange(other.pid_, -1);
        exitCode_ = other.exitCode_;
    }
    return *this;
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !exitCode_) {
        Stop();
    }
}

bool ChildProcess::Reap(int options) {
    if (exitCode_ || pid_ <= 0) {
        return true;
    }
    int status = 0;
    pid_t result;
    do {
        result = waitpid(pid_, &status, options);
    } while (result < 0 && errno == EINTR);
    if (result == pid_) {
        exitCode_ = ExitCodeOf(status);
        return true;
    }
    return false;
}

bool ChildProcess::Running() {
    return !Reap(WNOHANG);
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!Reap(WNOHANG)) {
        if (Clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return exitCode_;
}

int ChildProcess::Stop(std::chrono::milliseconds grace) {
    if (!Reap(WNOHANG)) {
        kill(pid_, SIGTERM);
        if (!WaitForExit(grace)) {
            kill(pid_, SIGKILL);
            Reap(0);
        }
    }
    return exitCode_.value_or(-1);
}

CommandResult RunCommand(const std::vector<std::string>& argv,
                         const EnvironmentChanges& environment, std::chrono::milliseconds timeout) {
    int outputPipe[2];
    if (pipe2(outputPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    ChildProcess child = [&] {
        try {
            ChildProcess started(Spawn(argv, environment, outputPipe[1], false));
            close(outputPipe[1]);
            return started;
        } catch (...) {
            close(outputPipe[0]);
            close(outputPipe[1]);
            throw;
        }
    }();
    CommandResult result;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd readable{outputPipe[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) == 0) {
            close(outputPipe[0]);
            child.Stop(std::chrono::milliseconds(0));
            throw std::runtime_error(argv[0] + " did not finish in time");
        }
        char buffer[4096];
        const ssize_t count = read(outputPipe[0], buffer, sizeof buffer);
        if (count > 0) {
            result.output.append(buffer, static_cast<std::size_t>(count));
        } else if (count == 0 || errno != EINTR) {
            break;
        }
    }
    close(outputPipe[0]);
    const auto exitCode = child.WaitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(
        std::max(deadline - Clock::now(), Clock::duration::zero())));
    if (!exitCode) {
        child.Stop(std::chrono::milliseconds(0));
        throw std::runtime_error(argv[0] + " did not finish in time");
    }
    result.exitCode = *exitCode;
    return result;
}

}  // namespace desktop
