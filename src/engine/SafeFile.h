// Reading and replacing files of outside data without surprises. Reading never blocks on a FIFO or
// a device and never takes more than a budget; replacing writes a temporary file beside the
// target and renames it over the old one only when it is complete, keeping what the user made of
// the path (a symbolic link, the permission bits). Used for saved games and the settings file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Result.h"

// The beginning of a file, as far as a bounded read goes.
struct FileBytes {
    std::string Bytes;
    // Set (TooLarge: "it is larger than N bytes") when the file goes on past the budget; Bytes
    // then holds the budget's worth, for the callers that can use the beginning of a file.
    std::optional<Error> Cut;
};

// Reads fileName whole when it is a regular file of at most maxBytes bytes, and the first maxBytes
// of a larger one. Fails with NotFound, NotAFile (a folder, a FIFO, a device: never read) or Io;
// the message is the reason in plain words: "it is not a regular file".
Result<FileBytes> ReadFileBounded(const std::string& fileName, std::size_t maxBytes);

// The file name without its folders, as messages name the file.
std::string BaseName(const std::string& fileName);

// Writes bytes as fileName; on failure (Io, or NotAFile) the message names the file and the
// system's reason, and the old file is untouched. A symbolic link is written through to its
// target; an existing file keeps its permission bits, a new one gets those the umask allows; a
// path that exists but is not a regular file is never replaced. When the folder cannot take a new
// file but the file itself is writable, the file is rewritten in place.
Status ReplaceFile(const std::string& fileName, std::string_view bytes);
