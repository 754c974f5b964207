// Parsing and rewriting of the settings file, line by line.
#include "ProfileFile.h"

#include "SafeFile.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

std::string Trim(const std::string& s)
{
    std::size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// "[name]", also followed by a comment ("[net] ; mine") → name; anything else → not a header.
bool SectionHeader(const std::string& line, std::string& name)
{
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[')
        return false;
    const std::size_t close = t.find(']');
    if (close == std::string::npos)
        return false;
    const std::string rest = Trim(t.substr(close + 1));
    if (!rest.empty() && rest[0] != ';' && rest[0] != '#')
        return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

// "key=value" → key and value, trimmed; comments and lines without '=' are not entries.
bool Entry(const std::string& line, std::string& key, std::string& value)
{
    const std::string t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#' || t[0] == '[')
        return false;
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos || eq == 0)
        return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return !key.empty();
}

} // namespace

TProfileFile TProfileFile::Load(const std::string& fileName)
{
    TProfileFile file;
    const Result<FileBytes> read = ReadFileBounded(fileName, MaxBytes);
    if (!read) {
        if (read.Failure().Kind != ErrorKind::NotFound) // a missing file is an empty one
            file.Problem = read.Failure();
        return file;
    }
    if (read.Value().Cut)
        file.Problem = read.Value().Cut; // the part that was read still counts
    std::string_view text = read.Value().Bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        file.ByteOrderMark = true;
        text.remove_prefix(3);
    }
    const std::size_t firstBreak = text.find('\n');
    file.CrLf
        = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        // Every CR at the end goes: a line kept with one would lose it at the next rewrite.
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        file.Lines.push_back(std::move(line));
    }
    return file;
}

int TProfileFile::FindSection(const std::string& section) const
{
    std::string name;
    for (int i = 0; i < int(Lines.size()); ++i)
        if (SectionHeader(Lines[i], name) && SameName(name, section))
            return i;
    return -1;
}

int TProfileFile::FindKey(const std::string& section, const std::string& key) const
{
    bool inSection = false;
    std::string name, k, v;
    for (int i = 0; i < int(Lines.size()); ++i) {
        if (SectionHeader(Lines[i], name)) {
            inSection = SameName(name, section);
            continue;
        }
        if (inSection && Entry(Lines[i], k, v) && SameName(k, key))
            return i;
    }
    return -1;
}

std::optional<std::string> TProfileFile::Raw(
    const std::string& section, const std::string& key) const
{
    const int i = FindKey(section, key);
    if (i < 0)
        return std::nullopt;
    std::string k, value;
    Entry(Lines[i], k, value);
    return value;
}

std::string TProfileFile::GetString(const std::string& section, const std::string& key,
    const std::string& fallback, std::size_t maxLength) const
{
    std::string value = Raw(section, key).value_or(fallback);
    if (value.size() > maxLength)
        value.resize(maxLength);
    return value;
}

int TProfileFile::GetInt(const std::string& section, const std::string& key, int fallback) const
{
    const int i = FindKey(section, key);
    if (i < 0)
        return fallback;
    std::string k, value;
    Entry(Lines[i], k, value);
    std::size_t p = 0;
    bool negative = false;
    if (p < value.size() && (value[p] == '-' || value[p] == '+'))
        negative = value[p++] == '-';
    long long n = 0;
    for (; p < value.size() && std::isdigit(static_cast<unsigned char>(value[p])); ++p) {
        n = n * 10 + (value[p] - '0');
        if (n > 2147483647LL)
            n = 2147483647LL; // saturate: a huge number is simply out of every range
    }
    return int(negative ? -n : n);
}

bool TProfileFile::Storable(const std::string& value)
{
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return Trim(value) == value;
}

bool TProfileFile::SetString(
    const std::string& section, const std::string& key, const std::string& value)
{
    if (!Storable(value))
        return false;
    const std::string line = key + "=" + value;
    if (const int i = FindKey(section, key); i >= 0) {
        Lines[i] = line;
        return true;
    }
    const int header = FindSection(section);
    if (header < 0) {
        if (!Lines.empty() && !Trim(Lines.back()).empty())
            Lines.push_back("");
        Lines.push_back("[" + section + "]");
        Lines.push_back(line);
        return true;
    }
    // After the last entry of the section (before blank lines that end it).
    int at = header + 1;
    std::string name;
    int lastContent = header;
    for (; at < int(Lines.size()) && !SectionHeader(Lines[at], name); ++at)
        if (!Trim(Lines[at]).empty())
            lastContent = at;
    Lines.insert(Lines.begin() + lastContent + 1, line);
    return true;
}

std::string TProfileFile::Text() const
{
    std::string text = ByteOrderMark ? "\xEF\xBB\xBF" : "";
    const char* const lineEnd = CrLf ? "\r\n" : "\n";
    for (const std::string& line : Lines)
        text += line + lineEnd;
    return text;
}

Status TProfileFile::Save(const std::string& fileName) const
{
    if (Problem)
        return Error { Problem->Kind,
            BaseName(fileName) + " was not written: it could not be read completely ("
                + Problem->Message + ")" };
    const std::string text = Text();
    // Written larger than the reader reads, it would be kept unread at the next start.
    if (text.size() > MaxBytes)
        return Error { ErrorKind::TooLarge,
            BaseName(fileName) + " was not written: it would be larger than "
                + std::to_string(MaxBytes) + " bytes" };
    std::error_code ec;
    const std::filesystem::path target(fileName);
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), ec);
    return ReplaceFile(fileName, text);
}

std::function<void()> ProfileLockBusyHook;

namespace {

// An advisory lock on the folder of the settings file: the file itself is replaced by a rename,
// so a lock on it would be on the old file. Taking the folder leaves nothing behind.
class FolderLock {
public:
    explicit FolderLock(const std::string& fileName)
    {
        std::error_code ec;
        const std::string folder = FolderOf(fileName);
        std::filesystem::create_directories(folder, ec);
        Fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (Fd < 0)
            return;
        // A copy holds it only while it writes, a few milliseconds; one that holds it longer has
        // hung, and the settings are written without it rather than lost.
        for (int attempt = 0; attempt < 250; ++attempt) {
            if (flock(Fd, LOCK_EX | LOCK_NB) == 0)
                return;
            if (errno != EWOULDBLOCK && errno != EINTR)
                break;
            if (ProfileLockBusyHook)
                ProfileLockBusyHook();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~FolderLock()
    {
        if (Fd >= 0)
            close(Fd); // gives the lock back
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int Fd = -1;
};

} // namespace

Status UpdateProfileFile(
    const std::string& fileName, const std::function<void(TProfileFile&)>& edit)
{
    const FolderLock lock(fileName);
    TProfileFile file = TProfileFile::Load(fileName);
    if (file.Complete())
        edit(file);
    return file.Save(fileName);
}

Status WriteProfileStrings(const std::string& fileName, const std::string& section,
    const std::vector<std::pair<std::string, std::string>>& values)
{
    return UpdateProfileFile(fileName, [&](TProfileFile& file) {
        for (const auto& [key, value] : values)
            file.SetString(section, key, value);
    });
}
