// Reading and replacing files as a user's files are: FIFOs and devices are never waited on or
// replaced, links stay links, permission bits, write protection and owners stay, and no failure
// or kill leaves anything but the old file or the new one. Runs on real files in a temporary
// folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "AsOtherUser.h"
#include "SafeFile.h"

namespace fs = std::filesystem;

namespace {

// A folder every user may enter, so that checks run as "nobody" reach it too.
class OpenFolder {
public:
    OpenFolder()
    {
        Path = fs::temp_directory_path()
            / ("corvana-safefile-" + std::to_string(::getpid()) + "-" + std::to_string(Counter++));
        fs::create_directories(Path);
        fs::permissions(Path, fs::perms::all);
    }
    ~OpenFolder()
    {
        std::error_code ec;
        fs::permissions(Path, fs::perms::all, ec);
        fs::remove_all(Path, ec);
    }
    std::string File(const std::string& name) const { return (Path / name).string(); }
    fs::path Path;

private:
    static inline int Counter = 0;
};

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

mode_t Mode(const std::string& path)
{
    struct stat st { };
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

} // namespace

TEST(SafeFile, ReadingRefusesWhatIsNotARegularFileWithoutWaiting)
{
    OpenFolder dir;
    const std::string fifo = dir.File("game.kpx");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    // Without a writer a blocking open would never return; this one answers at once.
    const Result<FileBytes> fromFifo = ReadFileBounded(fifo, 1000);
    ASSERT_FALSE(fromFifo);
    EXPECT_EQ(fromFifo.Failure(), (Error { ErrorKind::NotAFile, "it is not a regular file" }));

    EXPECT_EQ(ReadFileBounded("/dev/zero", 1000).Failure().Kind, ErrorKind::NotAFile);
    EXPECT_EQ(ReadFileBounded(dir.File(""), 1000).Failure(),
        (Error { ErrorKind::NotAFile, "it is a folder" }));
    EXPECT_EQ(ReadFileBounded(dir.File("missing"), 1000).Failure(),
        (Error { ErrorKind::NotFound, "it does not exist" }));
}

TEST(SafeFile, ReadingStopsAtItsBudget)
{
    OpenFolder dir;
    const std::string file = dir.File("big");
    Write(file, std::string(5000, 'x'));
    const Result<FileBytes> big = ReadFileBounded(file, 4096);
    ASSERT_TRUE(big) << big.Failure().Message;
    ASSERT_TRUE(big.Value().Cut);
    EXPECT_EQ(*big.Value().Cut, (Error { ErrorKind::TooLarge, "it is larger than 4096 bytes" }));
    EXPECT_EQ(big.Value().Bytes.size(), 4096u); // what was read is kept for who can use a part

    const Result<FileBytes> exact = ReadFileBounded(file, 5000);
    ASSERT_TRUE(exact) << exact.Failure().Message;
    EXPECT_FALSE(exact.Value().Cut);
    EXPECT_EQ(exact.Value().Bytes, std::string(5000, 'x'));

    ASSERT_TRUE(AsUnprivilegedUser([&] {
        Write(dir.File("secret"), "key=value\n");
        fs::permissions(dir.File("secret"), fs::perms::none);
        const Result<FileBytes> r = ReadFileBounded(dir.File("secret"), 100);
        return !r && r.Failure().Kind == ErrorKind::Io
            && r.Failure().Message.find("Permission denied") != std::string::npos;
    }));
}

TEST(SafeFile, ReplacingKeepsLinksAndPermissions)
{
    OpenFolder dir;
    // A link stays a link; the file it names gets the new contents.
    const std::string target = dir.File("real.ini");
    const std::string link = dir.File("link.ini");
    Write(target, "old");
    fs::create_symlink("real.ini", link);
    ASSERT_TRUE(ReplaceFile(link, "new").Ok());
    EXPECT_TRUE(S_ISLNK(Mode(link)));
    EXPECT_EQ(Contents(target), "new");

    // A dangling link is written through too: the file appears where it points.
    const std::string dangling = dir.File("dangling.ini");
    fs::create_symlink("later.ini", dangling);
    ASSERT_TRUE(ReplaceFile(dangling, "made").Ok());
    EXPECT_TRUE(S_ISLNK(Mode(dangling)));
    EXPECT_EQ(Contents(dir.File("later.ini")), "made");

    // The permission bits the user gave the file survive.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceFile(target, "again").Ok());
    EXPECT_EQ(Mode(target) & 07777, 0640u);

    // A new file gets what the umask allows.
    const mode_t old = ::umask(027);
    const Status written = ReplaceFile(dir.File("fresh.kpx"), "x");
    ::umask(old);
    ASSERT_TRUE(written) << written.Failure().Message;
    EXPECT_EQ(Mode(dir.File("fresh.kpx")) & 07777, 0640u);
}

TEST(SafeFile, ReplacingNeverTouchesWhatIsNotARegularFile)
{
    OpenFolder dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const Status toFifo = ReplaceFile(fifo, "data");
    ASSERT_FALSE(toFifo);
    EXPECT_EQ(toFifo.Failure(),
        (Error {
            ErrorKind::NotAFile, "Cannot replace \"" + fifo + "\": it is not a regular file" }));
    EXPECT_TRUE(S_ISFIFO(Mode(fifo)));
    EXPECT_EQ(ReplaceFile(dir.File(""), "data").Failure().Kind, ErrorKind::NotAFile); // a folder
    EXPECT_TRUE(fs::is_directory(dir.Path));
    // A device node is refused before anything is written beside it (as root this once replaced
    // /dev/full with a regular file).
    EXPECT_EQ(ReplaceFile("/dev/null", "data").Failure().Kind, ErrorKind::NotAFile);
    EXPECT_TRUE(S_ISCHR(Mode("/dev/null")));
}

namespace {

// What is left in a folder: the names, sorted.
std::vector<std::string> Names(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

constexpr fs::perms ReadOnlyFolder = fs::perms::owner_read | fs::perms::owner_exec
    | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read
    | fs::perms::others_exec;
constexpr fs::perms ReadOnlyFile
    = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

} // namespace

TEST(SafeFile, AFolderThatTakesNoNewFileIsRefusedAndTheOldFileStaysWhole)
{
    // Rewriting in place is the only way into such a folder, and a kill or a full disk in the
    // middle of it would leave neither version: the save is refused instead, saying why.
    OpenFolder dir;
    const std::string file = dir.File("game.kpx");
    Write(file, "old contents");
    fs::permissions(file, fs::perms::all);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0); // the user's own file
    }
    fs::permissions(dir.Path, ReadOnlyFolder);
    const bool refused = AsUnprivilegedUser([&] {
        const Status s = ReplaceFile(file, "new contents");
        return !s && s.Failure().Kind == ErrorKind::Io
            && s.Failure().Message
            == "Cannot write \"" + file + "\": the folder \"" + dir.Path.string()
                + "\" is read-only";
    });
    fs::permissions(dir.Path, fs::perms::all);
    EXPECT_TRUE(refused);
    EXPECT_EQ(Contents(file), "old contents");
    EXPECT_EQ(Names(dir.Path), std::vector<std::string> { "game.kpx" });
}

TEST(SafeFile, AWriteProtectedFileIsReplacedOnlyWhenTheUserSaysSo)
{
    OpenFolder dir;
    const std::string file = dir.File("kept.kpx");
    Write(file, "protected");
    fs::permissions(file, ReadOnlyFile);
    // Root may write anything, yet a file without a write bit is the user's "do not touch".
    const Status refused = ReplaceFile(file, "lost");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Failure(),
        (Error { ErrorKind::ReadOnly, "Cannot replace \"" + file + "\": the file is read-only" }));
    EXPECT_EQ(Contents(file), "protected");
    EXPECT_TRUE(AsUnprivilegedUser([&] {
        const Status s = ReplaceFile(dir.File("kept.kpx"), "lost");
        return !s && s.Failure().Kind == ErrorKind::ReadOnly;
    }));
    EXPECT_EQ(Contents(file), "protected");

    // Told to, it is replaced, and the new file is as protected as the old one was.
    const Status replaced = ReplaceFile(file, "replaced", WriteProtection::Override);
    ASSERT_TRUE(replaced) << replaced.Failure().Message;
    EXPECT_EQ(Contents(file), "replaced");
    EXPECT_EQ(Mode(file) & 07777, 0444u);
}

TEST(SafeFile, AnotherUsersFileIsNotTakenOver)
{
    // In a folder everyone may write, replacing another user's file would make it ours.
    OpenFolder dir;
    const std::string file = dir.File("shared.ini");
    Write(file, "theirs");
    fs::permissions(file, fs::perms::all);
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs a file of another user: run as root";
    const bool refused = AsUnprivilegedUser([&] {
        const Status s = ReplaceFile(file, "mine");
        return !s && s.Failure().Kind == ErrorKind::Io
            && s.Failure().Message.find("belongs to another user") != std::string::npos;
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(Contents(file), "theirs");
    struct stat st { };
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);
}

TEST(SafeFile, AFullDiskLeavesTheOldFileAndNoTemporary)
{
    OpenFolder dir;
    const std::string file = dir.File("settings.ini");
    const std::string old = "[options]\nlevel=5\n";
    Write(file, old);
    // A file size limit fails the write as a full disk does, at a point inside the new contents.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 1000, 1000 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Status s = ReplaceFile(file, std::string(5000, 'n'));
        ::_exit(!s && s.Failure().Kind == ErrorKind::Io ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Contents(file), old);
    EXPECT_EQ(Names(dir.Path), std::vector<std::string> { "settings.ini" });
}

TEST(SafeFile, TheLongestNameTheSystemTakesCanBeSaved)
{
    OpenFolder dir;
    for (const std::size_t length : { 249u, 255u }) {
        const std::string name = std::string(length - 4, 'g') + ".kpx";
        const Status saved = ReplaceFile(dir.File(name), "game");
        ASSERT_TRUE(saved) << length << ": " << saved.Failure().Message;
        EXPECT_EQ(Contents(dir.File(name)), "game");
        // And again over the file that is now there.
        ASSERT_TRUE(ReplaceFile(dir.File(name), "again").Ok());
        EXPECT_EQ(Contents(dir.File(name)), "again");
    }
    EXPECT_EQ(Names(dir.Path).size(), 2u);
}

TEST(SafeFile, StaleTemporariesOfAKilledCopyAreRemovedAndNothingElse)
{
    OpenFolder dir;
    auto make = [&](const std::string& name, int ageSeconds) {
        Write(dir.File(name), "x");
        const timespec times[2]
            = { { std::time(nullptr) - ageSeconds, 0 }, { std::time(nullptr) - ageSeconds, 0 } };
        ::utimensat(AT_FDCWD, dir.File(name).c_str(), times, 0);
    };
    make(".corvana-a1B2c3.tmp", 120); // ours, left by a kill
    make("reversi.ini.Xy9zQ1", 600); // the name earlier versions made
    make("last.kpx.Q1w2E3", 90);
    make(".corvana-d4E5f6.tmp", 0); // another copy is saving right now
    make("reversi.ini", 600);
    make("reversi.ini.backup", 600); // the user's own
    make(".corvana-short.tmp", 600);
    make("notes.kpx.A1b2C3", 600); // no prefix we were asked about
    fs::create_directory(dir.File(".corvana-g7H8i9.tmp")); // not a file
    fs::last_write_time(
        dir.File(".corvana-g7H8i9.tmp"), fs::file_time_type::clock::now() - std::chrono::hours(1));
    if (::geteuid() == 0) {
        make(".corvana-j1K2l3.tmp", 600); // someone else's
        ASSERT_EQ(::chown(dir.File(".corvana-j1K2l3.tmp").c_str(), 65534, 65534), 0);
    }

    EXPECT_EQ(RemoveStaleTemporaries(dir.Path.string(), { "reversi.ini.", "last.kpx." }), 3);
    std::vector<std::string> expected { ".corvana-d4E5f6.tmp", ".corvana-g7H8i9.tmp",
        ".corvana-short.tmp", "notes.kpx.A1b2C3", "reversi.ini", "reversi.ini.backup" };
    if (::geteuid() == 0)
        expected.insert(expected.begin() + 2, ".corvana-j1K2l3.tmp");
    EXPECT_EQ(Names(dir.Path), expected);
    EXPECT_EQ(RemoveStaleTemporaries(dir.File("missing"), {}), 0);
}
