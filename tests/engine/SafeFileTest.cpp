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
    const FileRead fromFifo = ReadFileBounded(fifo, 1000);
    EXPECT_EQ(fromFifo.Status, FileRead::NotRegular);
    EXPECT_EQ(fromFifo.Reason, "it is not a regular file");

    EXPECT_EQ(ReadFileBounded("/dev/zero", 1000).Status, FileRead::NotRegular);
    EXPECT_EQ(ReadFileBounded(dir.File(""), 1000).Status, FileRead::NotRegular);
    EXPECT_EQ(ReadFileBounded(dir.File("missing"), 1000).Status, FileRead::Missing);
}

TEST(SafeFile, ReadingStopsAtItsBudget)
{
    OpenFolder dir;
    const std::string file = dir.File("big");
    Write(file, std::string(5000, 'x'));
    const FileRead big = ReadFileBounded(file, 4096);
    EXPECT_EQ(big.Status, FileRead::TooLarge);
    EXPECT_EQ(big.Bytes.size(), 4096u); // what was read is kept for who can use a part

    const FileRead exact = ReadFileBounded(file, 5000);
    EXPECT_TRUE(exact);
    EXPECT_EQ(exact.Bytes.size(), 5000u);

    ASSERT_TRUE(AsUnprivilegedUser([&] {
        Write(dir.File("secret"), "key=value\n");
        fs::permissions(dir.File("secret"), fs::perms::none);
        const FileRead r = ReadFileBounded(dir.File("secret"), 100);
        return r.Status == FileRead::IoError && r.Reason.find("Permission denied") != std::string::npos;
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
    ASSERT_EQ(ReplaceFile(link, "new"), "");
    EXPECT_TRUE(S_ISLNK(Mode(link)));
    EXPECT_EQ(Contents(target), "new");

    // A dangling link is written through too: the file appears where it points.
    const std::string dangling = dir.File("dangling.ini");
    fs::create_symlink("later.ini", dangling);
    ASSERT_EQ(ReplaceFile(dangling, "made"), "");
    EXPECT_TRUE(S_ISLNK(Mode(dangling)));
    EXPECT_EQ(Contents(dir.File("later.ini")), "made");

    // The permission bits the user gave the file survive.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(ReplaceFile(target, "again"), "");
    EXPECT_EQ(Mode(target) & 07777, 0640u);

    // A new file gets what the umask allows.
    const mode_t old = ::umask(027);
    const std::string error = ReplaceFile(dir.File("fresh.kpx"), "x");
    ::umask(old);
    ASSERT_EQ(error, "");
    EXPECT_EQ(Mode(dir.File("fresh.kpx")) & 07777, 0640u);
}

TEST(SafeFile, ReplacingNeverTouchesWhatIsNotARegularFile)
{
    OpenFolder dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_NE(ReplaceFile(fifo, "data"), "");
    EXPECT_TRUE(S_ISFIFO(Mode(fifo)));
    EXPECT_NE(ReplaceFile(dir.File(""), "data"), ""); // a folder
    EXPECT_TRUE(fs::is_directory(dir.Path));
    // A device node is refused before anything is written beside it (as root this once replaced
    // /dev/full with a regular file).
    EXPECT_NE(ReplaceFile("/dev/null", "data"), "");
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
    const bool saved = AsUnprivilegedUser([&] { return ReplaceFile(file, "new contents").empty(); });
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
    const bool refused = AsUnprivilegedUser([&] { return !ReplaceFile(file, "lost").empty(); });
    fs::permissions(dir.Path, fs::perms::all);
    EXPECT_TRUE(refused);
    EXPECT_EQ(Contents(file), "new contents");
}
