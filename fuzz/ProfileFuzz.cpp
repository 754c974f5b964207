// The settings file reader and writer: every value a file holds reads the same after the file is
// written back, and the keys the program writes read back as written while every other key keeps
// its value.
#include "FuzzCheck.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "ProfileFile.h"

namespace {

// The reader takes a file name: the input is written to a file in memory, one for the whole run.
class MemoryFile {
public:
    MemoryFile()
        : Fd(memfd_create("corvana-fuzz-profile", MFD_CLOEXEC))
        , Name("/proc/self/fd/" + std::to_string(Fd))
    {
        Expect(Fd >= 0, "profile: no memory file for the input");
    }
    ~MemoryFile() { close(Fd); }
    TProfileFile Load(std::string_view text)
    {
        Expect(ftruncate(Fd, 0) == 0, "profile: the memory file cannot be emptied");
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = pwrite(Fd, text.data() + done, text.size() - done, off_t(done));
            Expect(n > 0, "profile: the memory file cannot be written");
            done += std::size_t(n);
        }
        return TProfileFile::Load(Name);
    }

private:
    int Fd;
    std::string Name;
};

struct Key {
    std::string Section, Name, Value;
};

std::string Trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return std::string(s);
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
            == std::tolower(static_cast<unsigned char>(y));
    });
}

// What looks like a section and key in the text, found roughly: the harness only asks the reader
// about these names; what they hold is the reader's to say.
std::vector<Key> KeysIn(std::string_view text)
{
    std::vector<Key> keys;
    std::string section;
    while (!text.empty() && keys.size() < 64) {
        const std::size_t end = text.find('\n');
        const std::string line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.size() > 1 && line[0] == '[' && line.find(']') != std::string::npos) {
            section = Trimmed(std::string_view(line).substr(1, line.find(']') - 1));
        } else if (const std::size_t eq = line.find('='); eq != std::string::npos) {
            keys.push_back(
                { section, Trimmed(std::string_view(line).substr(0, eq)), line.substr(eq + 1) });
        }
    }
    return keys;
}

// Every key the program writes, by section.
const Key ProgramKeys[] = {
    { "options", "gamet", "computer" },
    { "options", "level", "5" },
    { "options", "youpl", "white" },
    { "options", "sndef", "yes" },
    { "options", "anief", "no" },
    { "options", "tfigs", "classic" },
    { "options", "brdim", "10" },
    { "options", "usetr", "yes" },
    { "options", "callw", "no" },
    { "options", "call8", "yes" },
    { "options", "prevm", "show" },
    { "options", "avmov", "hide" },
    { "options", "engit", "mast" },
    { "net", "service", "" },
    { "net", "port", "8173" },
    { "extras", "movelist", "show" },
    { "extras", "lastmove", "hide" },
    { "extras", "legalmoves", "show" },
    { "extras", "animspeed", "fast" },
    { "extras", "resume", "yes" },
    { "extras", "folder", "/home/player/games" },
};

bool IsProgramKey(const Key& k)
{
    for (const Key& p : ProgramKeys)
        if (SameName(p.Section, k.Section) && SameName(p.Name, k.Name))
            return true;
    return false;
}

constexpr std::size_t Whole = 1 << 20; // no cut: the value as the file holds it
const std::string Missing = "\x01missing";

void ExpectSameValue(const TProfileFile& a, const TProfileFile& b, const Key& k, const char* what)
{
    Expect(a.GetString(k.Section, k.Name, Missing, Whole)
                == b.GetString(k.Section, k.Name, Missing, Whole)
            && a.GetInt(k.Section, k.Name, -7) == b.GetInt(k.Section, k.Name, -7),
        std::string("profile: ") + what + ": [" + k.Section + "] " + k.Name + " reads otherwise");
}

} // namespace

void FuzzProfile(FuzzBytes input)
{
    static MemoryFile file;
    const std::string_view text = AsText(input);
    TProfileFile read = file.Load(text);
    Expect(read.Complete() == (text.size() <= TProfileFile::MaxBytes),
        "profile: a file within the budget is read completely");
    const std::vector<Key> keys = KeysIn(text);

    const TProfileFile again = file.Load(read.Text());
    for (const Key& k : keys) {
        ExpectSameValue(read, again, k, "written back unchanged");
        Expect(read.HasSection(k.Section) == again.HasSection(k.Section),
            "profile: written back unchanged, a section comes or goes");
    }
    for (const Key& k : ProgramKeys)
        ExpectSameValue(read, again, k, "written back unchanged");

    // Rewriting is idempotent: what the writer writes, read and written again, is the same bytes.
    Expect(again.Text() == read.Text(), "profile: a second rewrite changes the file");

    // The program's keys set to values the input holds (or their usual ones), line breaks and
    // all: a value that would not read back is refused and the key keeps what it had; one that
    // is taken reads back exactly.
    std::vector<std::optional<std::string>> values;
    for (std::size_t i = 0; i < std::size(ProgramKeys); ++i) {
        const Key& k = ProgramKeys[i];
        const std::string value = keys.empty() ? k.Value : keys[i % keys.size()].Value;
        const std::string before = read.GetString(k.Section, k.Name, Missing, Whole);
        const bool taken = read.SetString(k.Section, k.Name, value);
        Expect(taken == TProfileFile::Storable(value), "profile: a value taken or refused wrongly");
        values.push_back(taken
                ? std::optional<std::string>(value)
                : (before == Missing ? std::nullopt : std::optional<std::string>(before)));
    }
    const TProfileFile written = file.Load(read.Text());
    for (std::size_t i = 0; i < std::size(ProgramKeys); ++i) {
        const Key& k = ProgramKeys[i];
        Expect(written.GetString(k.Section, k.Name, Missing, Whole) == values[i].value_or(Missing),
            "profile: [" + k.Section + "] " + k.Name + " does not read back as written");
    }
    for (const Key& k : keys)
        if (!IsProgramKey(k))
            ExpectSameValue(again, written, k, "after the program's keys are set");
}
