// The settings file: its reading rules (case, duplicates, trimming, lengths, numbers), values out
// of range and their normalisation, what is kept when it is written back, and safe writing.
#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "AsOtherUser.h"
#include "Board.h"
#include "Evaluation.h"
#include "ProfileFile.h"
#include "Search.h"
#include "Settings.h"
#include "Sound.h"

namespace fs = std::filesystem;

namespace {

class TempFile {
public:
    TempFile()
    {
        Dir = fs::temp_directory_path()
            / ("corvana-settings-" + std::to_string(::getpid()) + "-" + std::to_string(Counter++));
        fs::create_directories(Dir);
    }
    ~TempFile() { fs::remove_all(Dir); }
    std::string Path(const char* name = "reversi.ini") const { return (Dir / name).string(); }
    void Write(const std::string& text, const char* name = "reversi.ini") const
    {
        std::ofstream(Path(name)) << text;
    }
    std::string Read(const char* name = "reversi.ini") const
    {
        std::ifstream in(Path(name));
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path Dir;

private:
    static inline int Counter = 0;
};

} // namespace

TEST(ProfileFile, ReadsLikeTheProfileFunctions)
{
    TempFile t;
    t.Write("; a comment\n"
            "[Options]\r\n"
            "  Level =  7  \n"
            "level=3\n"
            "this line means nothing\n"
            "=orphan\n"
            "tfigs="
        + std::string(60, 'x')
        + "\n"
          "[net]\n"
          "port=8200abc\n"
          "service="
        + std::string(300, 's')
        + "\n"
          "neg=-12\n"
          "huge=99999999999999\n");
    const TProfileFile f = TProfileFile::Load(t.Path());
    EXPECT_EQ(f.GetInt("OPTIONS", "LEVEL", 1), 7); // names in any case; the first key wins
    EXPECT_EQ(f.GetString("options", "level", ""), "7");
    EXPECT_EQ(f.GetString("options", "tfigs", "").size(), 39u);
    EXPECT_EQ(f.GetString("net", "service", "", 254).size(), 254u);
    EXPECT_EQ(f.GetInt("net", "port", 1), 8200);
    EXPECT_EQ(f.GetInt("net", "neg", 1), -12);
    EXPECT_EQ(f.GetInt("net", "huge", 1), 2147483647);
    EXPECT_EQ(f.GetInt("net", "service", 1), 0); // no digits
    EXPECT_EQ(f.GetString("net", "missing", "fallback"), "fallback");
    EXPECT_EQ(f.GetString("nosuch", "level", "none"), "none");

    const TProfileFile missing = TProfileFile::Load(t.Path("absent.ini"));
    EXPECT_EQ(missing.GetInt("options", "level", 5), 5);
    EXPECT_TRUE(missing.Text().empty());
}

TEST(ProfileFile, WritingKeepsEverythingItDoesNotChange)
{
    TempFile t;
    t.Write("[extra]\nmine=42\n; note\n[OPTIONS]\nLevel=3\nodd "
            "line\nunknown=kept\n\n[net]\nport=9000\n");
    ASSERT_TRUE(
        WriteProfileStrings(t.Path(), "options", { { "level", "5" }, { "brdim", "10" } }).Ok());
    ASSERT_TRUE(WriteProfileStrings(t.Path(), "sounds", { { "volume", "high" } }).Ok());
    const std::string text = t.Read();
    EXPECT_NE(text.find("[extra]\nmine=42\n; note\n"), std::string::npos);
    EXPECT_NE(text.find("odd line\nunknown=kept\nbrdim=10\n"), std::string::npos) << text;
    EXPECT_NE(text.find("level=5\n"), std::string::npos);
    EXPECT_EQ(text.find("Level=3"), std::string::npos);
    EXPECT_NE(text.find("[net]\nport=9000\n"), std::string::npos);
    EXPECT_NE(text.find("[sounds]\nvolume=high\n"), std::string::npos);
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(t.Dir))
        ++files;
    EXPECT_EQ(files, 1); // no temporary left behind

    // The folder is created when missing; a file that cannot be written says why.
    const std::string nested = (t.Dir / "a" / "b" / "reversi.ini").string();
    EXPECT_TRUE(WriteProfileStrings(nested, "net", { { "port", "1" } }).Ok());
    EXPECT_TRUE(fs::exists(nested));
    t.Write("x", "file");
    const Status underAFile = WriteProfileStrings(
        (t.Dir / "file" / "reversi.ini").string(), "net", { { "port", "1" } });
    ASSERT_FALSE(underAFile);
    EXPECT_EQ(underAFile.Failure().Kind, ErrorKind::Io);
    EXPECT_NE(underAFile.Failure().Message.find("reversi.ini"), std::string::npos)
        << underAFile.Failure().Message;
}

TEST(Settings, OutOfRangeAndUnknownValuesTakeTheirFallbacks)
{
    TempFile t;
    SettingsFile = t.Path();
    t.Write("[options]\nlevel=12\nbrdim=9\nyoupl=black\ntfigs=fire\ngamet=robot\nsndef=YES\nengit="
            "advn\n"
            "prevm=hide\n[net]\nport=0\nservice= reversi \n");
    LoadSettings();
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(BoardSize, 8);
    EXPECT_EQ(ComputerSide, SideYellow); // the player plays Green
    EXPECT_EQ(FigureSet, 1); // "fire" is the set shown as "Classic"
    EXPECT_FALSE(OpponentIsComputer);
    EXPECT_FALSE(SoundOn); // comparisons are exact
    EXPECT_TRUE(AdvancedEngine);
    EXPECT_FALSE(ShowPreviousMove);
    EXPECT_TRUE(ShowAvailableMoves);
    EXPECT_EQ(NetPort, 8173); // port 0 cannot be listened on
    EXPECT_EQ(NetService, "reversi");

    t.Write("[options]\nlevel=0\ntfigs=stones\nyoupl=White\nbrdim=10\n");
    LoadSettings();
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(FigureSet, 0);
    EXPECT_EQ(ComputerSide, SideYellow);
    EXPECT_EQ(BoardSize, 10);

    // No file: every default.
    SettingsFile = t.Path("absent.ini");
    LoadSettings();
    EXPECT_TRUE(OpponentIsComputer);
    EXPECT_EQ(ComputerSide, SideGreen);
    EXPECT_EQ(Level, 1);
    EXPECT_EQ(BoardSize, 8);
    EXPECT_EQ(FigureSet, 0);
    EXPECT_TRUE(SoundOn && AnimationOn && UseTray && CallAsYellow && CallOnEight);
    EXPECT_FALSE(AdvancedEngine);
    EXPECT_EQ(NetPort, 8173);
    EXPECT_EQ(FigureSetStoredName(0), std::string("classic"));
    EXPECT_EQ(FigureSetStoredName(1), std::string("fire"));
    EXPECT_EQ(FigureSetStoredName(2), std::string("bugs"));
}

// The window's place in [extras]: a size of two whole numbers within reason, yes or no for the
// states; anything else leaves the window as the design opens it.
TEST(Settings, TheWindowsSizeAndStateAreReadWithCare)
{
    TempFile t;
    SettingsFile = t.Path();
    t.Write("[extras]\nwindow=800x640\nmaximized=yes\nfullscreen=no\n");
    LoadSettings();
    EXPECT_EQ(Extras.WindowWidth, 800);
    EXPECT_EQ(Extras.WindowHeight, 640);
    EXPECT_TRUE(Extras.Maximized);
    EXPECT_FALSE(Extras.FullScreen);
    for (const char* bad : { "80x60", "800", "800x640x2", "800x", "x640", "-800x640", "99999x640",
             "800 x 640", "800x640 wide" }) {
        t.Write(std::string("[extras]\nwindow=") + bad + "\nmaximized=YES\nfullscreen=1\n");
        LoadSettings();
        EXPECT_EQ(Extras.WindowWidth, 0) << bad;
        EXPECT_EQ(Extras.WindowHeight, 0) << bad;
        EXPECT_FALSE(Extras.Maximized) << bad;
        EXPECT_FALSE(Extras.FullScreen) << bad;
    }
    // Kept as it was read, the window's own keys among the others.
    t.Write("[extras]\nwindow=900x700\nfullscreen=yes\n");
    LoadSettings();
    ASSERT_TRUE(WriteSettingsAtExit(CurrentSettings()));
    const TProfileFile written = TProfileFile::Load(SettingsFile);
    EXPECT_EQ(written.GetString("extras", "window", ""), "900x700");
    EXPECT_FALSE(written.Raw("extras", "maximized")); // at its default, as it was
    EXPECT_EQ(written.GetString("extras", "fullscreen", ""), "yes");
}

TEST(Settings, TheDefaultFileFollowsTheConfigurationFolder)
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string keep = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(DefaultSettingsFile(), "/tmp/cfg/corvana/reversi.ini");
    setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(DefaultSettingsFile(), "/home/someone/.config/corvana/reversi.ini");
    if (saved)
        setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST(ProfileFile, HeadersWithCommentsByteOrderMarksAndCrLfLines)
{
    TempFile t;
    // A comment after the header and a byte-order mark before the first one hide nothing.
    t.Write("\xEF\xBB\xBF[net] ; mine\r\nport=9001\r\n[options]   # chosen by hand\r\nlevel=4\r\n");
    const TProfileFile f = TProfileFile::Load(t.Path());
    EXPECT_TRUE(f.Complete());
    EXPECT_EQ(f.GetInt("net", "port", 0), 9001);
    EXPECT_EQ(f.GetInt("options", "level", 0), 4);
    // "[net]x" is no header: the key after it belongs to no section.
    t.Write("[net]x\nport=9002\n", "other.ini");
    EXPECT_EQ(TProfileFile::Load(t.Path("other.ini")).GetInt("net", "port", 0), 0);

    // Written back, the file keeps its mark and its CRLF line ends, new lines included.
    ASSERT_TRUE(WriteProfileStrings(t.Path(), "options", { { "brdim", "10" } }).Ok());
    EXPECT_EQ(t.Read(),
        "\xEF\xBB\xBF[net] ; mine\r\nport=9001\r\n[options]   # chosen by hand\r\nlevel=4\r\n"
        "brdim=10\r\n");
}

// A settings file that could not be read completely (too large, unreadable, not a regular file)
// is played with as far as it was read, and never cut short or replaced by defaults at exit.
TEST(Settings, AFileThatCannotBeReadCompletelyIsNeverRewritten)
{
    TempFile t;
    SettingsFile = t.Path();
    // 2 MB: the known keys come first, then one endless line, then a section of the user's.
    const std::string large = "[options]\nlevel=6\nbrdim=10\n[mine]\nnote="
        + std::string(2 << 20, 'x') + "\n[tail]\nkept=yes\n";
    t.Write(large);
    LoadSettings();
    EXPECT_TRUE(SettingsFileKept);
    EXPECT_EQ(Level, 6);
    EXPECT_EQ(BoardSize, 10);
    EXPECT_TRUE(WriteSettingsAtExit(CurrentSettings()).Ok());
    EXPECT_EQ(t.Read(), large);

    // Grown too large after start-up, it is not written either, and the writer says why.
    t.Write("[options]\nlevel=2\n");
    LoadSettings();
    EXPECT_FALSE(SettingsFileKept);
    t.Write(large);
    const Status refused = WriteSettingsAtExit(CurrentSettings());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Failure(),
        (Error { ErrorKind::TooLarge,
            "reversi.ini was not written: it could not be read completely (it is larger than "
            "1048576 bytes)" }));
    EXPECT_EQ(t.Read(), large);

    // A FIFO is neither waited on nor replaced.
    SettingsFile = t.Path("fifo.ini");
    ASSERT_EQ(::mkfifo(SettingsFile.c_str(), 0644), 0);
    LoadSettings();
    EXPECT_TRUE(SettingsFileKept);
    EXPECT_EQ(Level, 1);
    EXPECT_TRUE(WriteSettingsAtExit(CurrentSettings()).Ok());
    EXPECT_TRUE(fs::is_fifo(SettingsFile));

    // A file the user may not read keeps what it holds.
    SettingsFile = t.Path("locked.ini");
    t.Write("[options]\nlevel=8\n", "locked.ini");
    fs::permissions(t.Dir, fs::perms::all);
    fs::permissions(SettingsFile, fs::perms::none);
    EXPECT_TRUE(AsUnprivilegedUser([] {
        LoadSettings();
        return SettingsFileKept && WriteSettingsAtExit(CurrentSettings()).Ok();
    }));
    fs::permissions(SettingsFile, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(t.Read("locked.ini"), "[options]\nlevel=8\n");
    SettingsFileKept = false;
}

// Two copies of the program on one settings file: each writes back only what it changed, so the
// one that exits last does not undo the other's changes.
TEST(Settings, TwoCopiesOnOneFileKeepEachOthersChanges)
{
    TempFile t;
    t.Write("[options]\ngamet=computer\nlevel=2\nmine=kept\n[tools]\nx=1\n");
    const StoredSettings a = ReadStoredSettings(TProfileFile::Load(t.Path()));
    const StoredSettings b = ReadStoredSettings(TProfileFile::Load(t.Path()));

    StoredSettings aNow = a;
    aNow.Game.Level = 5;
    aNow.Game.Extra.MarkLastMove = true;
    ASSERT_TRUE(WriteBackSettings(t.Path(), a, aNow).Ok());
    StoredSettings bNow = b;
    bNow.Game.OpponentIsComputer = false;
    bNow.NetPort = 9000;
    ASSERT_TRUE(WriteBackSettings(t.Path(), b, bNow).Ok());

    const TProfileFile f = TProfileFile::Load(t.Path());
    EXPECT_EQ(f.GetString("options", "level", ""), "5");
    EXPECT_EQ(f.GetString("options", "gamet", ""), "human");
    EXPECT_EQ(f.GetString("net", "port", ""), "9000");
    EXPECT_EQ(f.GetString("extras", "lastmove", ""), "show");
    EXPECT_EQ(f.GetString("options", "mine", ""), "kept");
    EXPECT_EQ(f.GetString("tools", "x", ""), "1");
    // Of the extras only the one changed is written; the original's keys are all there.
    EXPECT_FALSE(f.Raw("extras", "movelist"));
    for (const SettingRow& row : SettingRows())
        EXPECT_EQ(
            bool(f.Raw(row.Section, row.Key)), !row.Extra || row.Key == std::string("lastmove"))
            << row.Key;

    // A copy that changed nothing and a file edited meanwhile by hand: the edit stays, and a
    // value the reader would take otherwise is written as it reads.
    t.Write("[options]\nlevel=7\nbrdim=9\n");
    const StoredSettings c = ReadStoredSettings(TProfileFile::Load(t.Path("absent.ini")));
    ASSERT_TRUE(WriteBackSettings(t.Path(), c, c).Ok());
    const TProfileFile g = TProfileFile::Load(t.Path());
    EXPECT_EQ(g.GetString("options", "level", ""), "7");
    EXPECT_EQ(g.GetString("options", "brdim", ""), "8");
    EXPECT_FALSE(g.HasSection("extras"));
}

// A copy holding the file's lock (it is writing) keeps the other waiting, which then writes on
// top of what the first wrote rather than beside it.
TEST(Settings, TheWriteBackWaitsForTheLockAnotherCopyHolds)
{
    TempFile t;
    t.Write("[options]\nlevel=3\n");
    const int folder = ::open(t.Dir.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folder, 0);
    ASSERT_EQ(::flock(folder, LOCK_EX), 0);
    std::atomic<int> busy { 0 };
    ProfileLockBusyHook = [&busy] { ++busy; };
    const StoredSettings loaded = ReadStoredSettings(TProfileFile::Load(t.Path()));
    StoredSettings now = loaded;
    now.Game.SoundOn = false;
    std::thread writer([&] { EXPECT_TRUE(WriteBackSettings(t.Path(), loaded, now).Ok()); });
    while (busy == 0)
        std::this_thread::yield();
    // The other copy writes while it holds the lock; this one has not touched the file.
    EXPECT_EQ(t.Read(), "[options]\nlevel=3\n");
    t.Write("[options]\nlevel=3\nanief=no\n");
    ::close(folder);
    writer.join();
    ProfileLockBusyHook = nullptr;
    const TProfileFile f = TProfileFile::Load(t.Path());
    EXPECT_EQ(f.GetString("options", "sndef", ""), "no");
    EXPECT_EQ(f.GetString("options", "anief", ""), "no");
}

// No value written may break the file: a line break in a folder's name once added keys of its
// own at every exit. Every free-text key is tried.
TEST(Settings, AValueWithALineBreakNeverBreaksTheFile)
{
    TempFile t;
    t.Write("[net]\nservice=reversi\n[extras]\nfolder=/home/me\n");
    const StoredSettings loaded = ReadStoredSettings(TProfileFile::Load(t.Path()));
    for (const std::string& bad : { std::string("/x\n[options]\nlevel=9"), std::string("a\rb"),
             std::string("nul\0x", 5), std::string(" padded "), std::string("tab\tin") }) {
        StoredSettings now = loaded;
        now.NetService = bad;
        now.Game.Extra.LastFolder = bad;
        ASSERT_TRUE(WriteBackSettings(t.Path(), loaded, now).Ok());
        const TProfileFile f = TProfileFile::Load(t.Path());
        EXPECT_EQ(f.GetString("net", "service", "", 254), "reversi");
        EXPECT_EQ(f.GetString("extras", "folder", "", 1024), "/home/me");
        EXPECT_EQ(f.GetInt("options", "level", 0), 1);
        const std::string text = t.Read();
        EXPECT_EQ(text.find("[options]"), text.rfind("[options]")) << text;
    }
    // Every row whose text is free is one of the two tried above.
    StoredSettings probe;
    probe.NetService = "probe";
    probe.Game.Extra.LastFolder = "probe";
    int free = 0;
    for (const SettingRow& row : SettingRows())
        free += row.Text(probe) == "probe";
    EXPECT_EQ(free, 2);
    EXPECT_FALSE(TProfileFile::Storable("a\nb"));
    EXPECT_TRUE(TProfileFile::Storable("/home/me/My Games"));
}

TEST(ProfileFile, RewritingIsIdempotentAndStaysWithinTheReadersBudget)
{
    TempFile t;
    // Lines ending in two CRs, and a first line without one: the same text at every rewrite.
    t.Write("[options]\nlevel=3\r\r\nbrdim=8\r\n");
    ASSERT_TRUE(WriteProfileStrings(t.Path(), "options", { { "sndef", "no" } }).Ok());
    const std::string once = t.Read();
    ASSERT_TRUE(WriteProfileStrings(t.Path(), "options", { { "sndef", "no" } }).Ok());
    EXPECT_EQ(t.Read(), once);
    EXPECT_EQ(TProfileFile::Load(t.Path()).GetString("options", "level", ""), "3");

    // A file just under the budget is not grown past it: it would be kept unread next time.
    const std::string near = "[mine]\nnote=" + std::string(TProfileFile::MaxBytes - 20, 'x') + "\n";
    t.Write(near);
    ASSERT_TRUE(TProfileFile::Load(t.Path()).Complete());
    const Status grown
        = WriteProfileStrings(t.Path(), "options", { { "level", "5" }, { "brdim", "10" } });
    ASSERT_FALSE(grown);
    EXPECT_EQ(grown.Failure(),
        (Error { ErrorKind::TooLarge,
            "reversi.ini was not written: it would be larger than 1048576 bytes" }));
    EXPECT_EQ(t.Read(), near);
}
