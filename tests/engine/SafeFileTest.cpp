// Reading and replacing files as a user's files are: FIFOs and devices are never waited on or
// replaced, links stay links, permission bits stay, and a save the folder cannot take but the file
// can still succeeds. Runs on real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(SafeFile, AFolderThatTakesNoNewFileStillLetsAWritableFileBeSaved)
{
    OpenFolder dir;
    const std::string file = dir.File("game.kpx");
    Write(file, "old contents");
    fs::permissions(file, fs::perms::all);
    fs::permissions(dir.Path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
            | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const bool saved = AsUnprivilegedUser([&] { return ReplaceFile(file, "new contents").Ok(); });
    fs::permissions(dir.Path, fs::perms::all);
    EXPECT_TRUE(saved);
    EXPECT_EQ(Contents(file), "new contents");
    // No temporary was left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path))
        ++files;
    EXPECT_EQ(files, 1);

    // Where neither the folder nor the file may be written, the save fails and says so.
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(dir.Path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
            | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const bool refused = AsUnprivilegedUser([&] {
        const Status s = ReplaceFile(file, "lost");
        return !s && s.Failure().Kind == ErrorKind::Io;
    });
    fs::permissions(dir.Path, fs::perms::all);
    EXPECT_TRUE(refused);
    EXPECT_EQ(Contents(file), "new contents");
}
