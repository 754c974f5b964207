// Replacing a file in one step: the bytes go to a temporary file beside it, which is renamed over
// the old one only when it is complete, so a failure never leaves a half-written file. Used for
// saved games and the settings file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Writes bytes as fileName; an empty string on success, otherwise a message naming the file and
// the system's reason (the old file is then untouched).
std::string ReplaceFile(const std::string& fileName, std::string_view bytes);
