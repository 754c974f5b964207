// Reading and replacing files of outside data without surprises. Reading never blocks on a FIFO or
// a device and never takes more than a budget; replacing writes a temporary file beside the
// target and renames it over the old one only when it is complete, keeping what the user made of
// the path (a symbolic link, the permission bits). Used for saved games and the settings file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What reading a whole file gave.
struct FileRead {
    enum Kind {
        Ok,
        Missing, // nothing at that path
        NotRegular, // a folder, a FIFO, a device: never read
        TooLarge, // more than the budget: Bytes holds the budget's worth
        IoError, // it could not be opened or read
    };
    Kind Status = Ok;
    std::string Bytes;
    std::string Reason; // for the user, in plain words: "it is not a regular file"
    explicit operator bool() const { return Status == Ok; }
};

// Reads fileName whole when it is a regular file of at most maxBytes bytes.
FileRead ReadFileBounded(const std::string& fileName, std::size_t maxBytes);

// The file name without its folders, as messages name the file.
std::string BaseName(const std::string& fileName);

// Writes bytes as fileName; an empty string on success, otherwise a message naming the file and
// the system's reason (the old file is then untouched). A symbolic link is written through to its
// target; an existing file keeps its permission bits, a new one gets those the umask allows; a
// path that exists but is not a regular file is never replaced. When the folder cannot take a new
// file but the file itself is writable, the file is rewritten in place.
std::string ReplaceFile(const std::string& fileName, std::string_view bytes);
