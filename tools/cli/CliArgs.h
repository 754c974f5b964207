// Argument parsing shared by the corvana-cli commands: options of the form --name value and
// --flag, with a usage error that main() turns into exit code 2.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CliArgs {
public:
    explicit CliArgs(std::vector<std::string> args);

    // The value of --name, removed from the arguments; nullopt when absent.
    std::optional<std::string> Take(const std::string& name);
    // An integer value of --name within [lo, hi], or fallback when absent.
    int TakeInt(const std::string& name, int lo, int hi, int fallback);
    // Whether --name is present (removed).
    bool TakeFlag(const std::string& name);
    // The next positional argument, removed; nullopt when none is left. An argument that begins
    // with dashes is one unless it reads as an option name.
    std::optional<std::string> TakePositional();
    // Throws UsageError when anything is left over.
    void ExpectEnd() const;

private:
    std::vector<std::string> Rest;
};
