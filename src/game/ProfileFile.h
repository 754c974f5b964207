// The settings file format: sections in brackets, one key=value a line. Names are matched without
// regard to case, the first of two equal keys counts, values are trimmed. Reading a missing file
// gives an empty one; writing keeps every line it does not change (unknown sections and keys,
// comments, a byte-order mark, CRLF line ends) and replaces the file in one step, under a lock
// that two copies of the program share. A file that could not be read completely is never
// written back, and no value that would not read back as written (a line break in a folder's
// name) gets into the file. Qt-free; used by the settings.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Result.h"

class TProfileFile {
public:
    // A settings file is small: anything larger is read only this far.
    static constexpr std::size_t MaxBytes = 1 << 20;

    // Reads fileName. What cannot be read (too large, unreadable, not a regular file) counts as
    // missing, and the file is then not Complete.
    static TProfileFile Load(const std::string& fileName);

    // Everything the file holds was read (or there is no file yet): writing it back loses nothing.
    bool Complete() const { return !Problem; }
    // Why the file was not read completely ("it is not a regular file"); nothing when it was.
    const std::optional<Error>& ReadProblem() const { return Problem; }

    // The value of key in section, trimmed and cut to maxLength characters, or fallback.
    std::string GetString(const std::string& section, const std::string& key,
        const std::string& fallback, std::size_t maxLength = 39) const;
    // The value of key in section, trimmed and whole; nothing when the key is missing.
    std::optional<std::string> Raw(const std::string& section, const std::string& key) const;
    // The value read as a whole number (leading blanks, an optional sign, then digits; anything
    // after them is ignored; no digits give 0), or fallback when the key is missing.
    int GetInt(const std::string& section, const std::string& key, int fallback) const;

    // Sets key in section, adding the section or the key at its end when missing. A value that
    // would not read back as it is (a line break or another control character in it, blanks at
    // either end) is refused: false, and the file is unchanged.
    bool SetString(const std::string& section, const std::string& key, const std::string& value);
    // Whether a value reads back from the file exactly as it was written.
    static bool Storable(const std::string& value);

    bool HasSection(const std::string& section) const { return FindSection(section) >= 0; }

    // The file's text as it would be written.
    std::string Text() const;

    // Writes the file through a temporary beside it and a rename; on failure the old file is
    // untouched. A file that was not read completely is not written: that fails too, with the
    // kind of its read problem; so does one that would grow past what the reader reads (TooLarge).
    Status Save(const std::string& fileName) const;

private:
    std::vector<std::string> Lines;
    bool ByteOrderMark = false;
    bool CrLf = false;
    std::optional<Error> Problem;
    // Index of the key's line, or -1; and of the section's header line.
    int FindKey(const std::string& section, const std::string& key) const;
    int FindSection(const std::string& section) const;
};

// Reads the file again, lets edit change it and writes it back, all under a lock on its folder
// that other copies of the program take too, so that two copies writing at once each see what
// the other wrote. A lock another copy holds is waited for (a few seconds at most, then the file
// is written without it). Fails as Save does; edit is not called for a file that cannot be read
// completely.
Status UpdateProfileFile(
    const std::string& fileName, const std::function<void(TProfileFile&)>& edit);

// Reads the file, sets the keys of one section and writes it back.
Status WriteProfileStrings(const std::string& fileName, const std::string& section,
    const std::vector<std::pair<std::string, std::string>>& values);

// Tests only: runs each time the lock is found taken by someone else, before it is tried again.
extern std::function<void()> ProfileLockBusyHook;
