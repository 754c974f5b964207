// Reading and replacing files of outside data without surprises. Reading never blocks on a FIFO or
// a device and never takes more than a budget; replacing writes a temporary file beside the
// target and renames it over the old one only when it is complete, keeping what the user made of
// the path (a symbolic link, the permission bits, the write protection, the owner). Used for
// saved games, the kept game and the settings file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// "NAME was not opened: REASON", keeping the reason's kind.
Error NotOpened(const std::string& fileName, const Error& why);

// How ReplaceFile treats a file the user has write-protected.
enum class WriteProtection {
    Respect, // refuse it (ReadOnly), so that the caller can ask the user
    Override, // the user said yes: replace it (the new file keeps the protection)
};

// Writes bytes as fileName; on failure the message names the file and the reason, and the old
// file is untouched, byte for byte: the new contents go to a temporary file beside it, which is
// synced and renamed over the old one, and the folder is synced after the rename. A kill at any
// moment leaves the old file or the new one, never anything else.
//
// A symbolic link is written through to its target; an existing file keeps its permission bits
// and its owner, a new one gets the bits the umask allows. Refused: a path that exists but is not
// a regular file (NotAFile); a write-protected file (ReadOnly, unless overridden); a file that
// belongs to another user, whose ownership the replacement would take (Io); a folder that takes
// no new file (Io: "the folder ... is read-only"), since rewriting the file in place could leave
// neither version after a kill or a full disk.
Status ReplaceFile(const std::string& fileName, std::string_view bytes,
    WriteProtection protection = WriteProtection::Respect);

// Removes fileName as the user would let us: nothing to do when it is missing; refused when it is
// not a regular file (NotAFile) or write-protected (ReadOnly).
Status RemoveFile(const std::string& fileName);

// The temporaries ReplaceFile makes: ".corvana-XXXXXX.tmp" beside the file, short enough for a
// file name of the longest length the system allows.
bool IsOwnTemporaryName(std::string_view name);

// Removes, in folder, the temporaries a killed copy left behind: regular files of this user with
// the name ReplaceFile makes (or legacyPrefix followed by six characters, the names earlier
// versions made beside "reversi.ini" and "last.kpx"), last changed more than minAgeSeconds ago,
// so that a save another copy is making right now is never touched. Returns how many went.
int RemoveStaleTemporaries(const std::string& folder,
    const std::vector<std::string>& legacyPrefixes = {}, int minAgeSeconds = 60);

// The folder part of a file name ("." for a bare name).
std::string FolderOf(const std::string& fileName);
