// The error a content generator throws when it cannot produce its resources (a missing font,
// an impossible layout); corvana-gen reports it and exits with a failure.
#pragma once

#include <stdexcept>
#include <string>

class TGeneratorError : public std::runtime_error {
public:
    explicit TGeneratorError(const std::string& message)
        : std::runtime_error(message)
    {
    }
};
