// Option parsing for corvana-cli.
#include "CliArgs.h"

#include <algorithm>
#include <charconv>

CliArgs::CliArgs(std::vector<std::string> args)
    : Rest(std::move(args))
{
}

std::optional<std::string> CliArgs::Take(const std::string& name)
{
    for (std::size_t i = 0; i < Rest.size(); ++i) {
        if (Rest[i] != name)
            continue;
        if (i + 1 >= Rest.size())
            throw UsageError(name + " needs a value");
        std::string value = Rest[i + 1];
        Rest.erase(Rest.begin() + i, Rest.begin() + i + 2);
        return value;
    }
    return std::nullopt;
}

int CliArgs::TakeInt(const std::string& name, int lo, int hi, int fallback)
{
    const std::optional<std::string> text = Take(name);
    if (!text)
        return fallback;
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (ec != std::errc() || ptr != end || value < lo || value > hi)
        throw UsageError(
            name + " must be a number from " + std::to_string(lo) + " to " + std::to_string(hi));
    return value;
}

bool CliArgs::TakeFlag(const std::string& name)
{
    for (std::size_t i = 0; i < Rest.size(); ++i) {
        if (Rest[i] == name) {
            Rest.erase(Rest.begin() + i);
            return true;
        }
    }
    return false;
}

namespace {

// "--name": two dashes and a name of small letters, digits and dashes. Anything else is a value,
// even when it begins with dashes (a position such as "--OOO---...").
bool IsOption(const std::string& arg)
{
    return arg.size() > 2 && arg.rfind("--", 0) == 0
        && std::all_of(arg.begin() + 2, arg.end(),
            [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'; });
}

} // namespace

std::optional<std::string> CliArgs::TakePositional()
{
    for (std::size_t i = 0; i < Rest.size(); ++i) {
        if (IsOption(Rest[i]))
            continue;
        std::string value = Rest[i];
        Rest.erase(Rest.begin() + i);
        return value;
    }
    return std::nullopt;
}

void CliArgs::ExpectEnd() const
{
    if (!Rest.empty())
        throw UsageError("unexpected argument " + Rest.front());
}
