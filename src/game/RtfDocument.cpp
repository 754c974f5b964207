// RTF is read one token at a time with an explicit group stack: no recursion, and every step of
// the loop consumes input, so any byte string, however broken, ends the reading.
#include "RtfDocument.h"

#include "CodePage1251.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Windows-1252 (Western), bytes 0x80 to 0x9F; from 0xA0 on it is Latin-1.
constexpr std::array<char16_t, 32> Cp1252Controls = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, //
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178, //
};

// Code pages other than 1251 are read as 1252: the rules text is Cyrillic, and anything else a
// document might name at least keeps its ASCII intact.
char32_t DecodeByte(std::uint8_t byte, int codePage)
{
    if (byte < 0x80)
        return byte;
    if (codePage == 1251)
        return UnicodeFromCp1251(byte);
    if (byte < 0xA0)
        return Cp1252Controls[byte - 0x80];
    return byte;
}

// A font's \fcharset overrides the document's code page for text in that font; 0 means "use the
// document's".
int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 204:
        return 1251;
    default:
        return 0;
    }
}


bool IsLetter(std::uint8_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }
int HexValue(std::uint8_t c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

enum class Word {
    Par,
    Pard,
    Plain,
    Align,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    FontSize,
    Font,
    FontTable,
    SkipDestination,
    Family,
    Charset,
    DefaultFont,
    CodePage, // a fixed code page (\ansi, \mac, ...)
    AnsiCodePage,
    UnicodeSkip,
    Unicode,
    Bin,
    Character,
    Cell,
};

struct WordInfo {
    Word Kind;
    int Value = 0; // the alignment, family, code page or character the word stands for
};

const std::unordered_map<std::string_view, WordInfo>& Words()
{
    static const std::unordered_map<std::string_view, WordInfo> table = {
        { "par", { Word::Par } },
        { "sect", { Word::Par } },
        { "page", { Word::Par } },
        { "row", { Word::Par } },
        { "cell", { Word::Cell } },
        { "pard", { Word::Pard } },
        { "plain", { Word::Plain } },
        { "ql", { Word::Align, int(RtfAlignment::Left) } },
        { "qc", { Word::Align, int(RtfAlignment::Centre) } },
        { "qr", { Word::Align, int(RtfAlignment::Right) } },
        { "qj", { Word::Align, int(RtfAlignment::Justify) } },
        { "qd", { Word::Align, int(RtfAlignment::Justify) } },
        { "b", { Word::Bold } },
        { "i", { Word::Italic } },
        { "ul", { Word::Underline } },
        { "uld", { Word::Underline } },
        { "uldb", { Word::Underline } },
        { "ulw", { Word::Underline } },
        { "ulnone", { Word::UnderlineNone } },
        { "fs", { Word::FontSize } },
        { "f", { Word::Font } },
        { "fonttbl", { Word::FontTable } },
        { "fnil", { Word::Family, int(RtfFontFamily::Nil) } },
        { "froman", { Word::Family, int(RtfFontFamily::Roman) } },
        { "fswiss", { Word::Family, int(RtfFontFamily::Swiss) } },
        { "fmodern", { Word::Family, int(RtfFontFamily::Modern) } },
        { "fscript", { Word::Family, int(RtfFontFamily::Script) } },
        { "fdecor", { Word::Family, int(RtfFontFamily::Decor) } },
        { "ftech", { Word::Family, int(RtfFontFamily::Tech) } },
        { "fbidi", { Word::Family, int(RtfFontFamily::Bidi) } },
        { "fcharset", { Word::Charset } },
        { "deff", { Word::DefaultFont } },
        { "ansi", { Word::CodePage, 1252 } },
        { "mac", { Word::CodePage, 10000 } },
        { "pc", { Word::CodePage, 437 } },
        { "pca", { Word::CodePage, 850 } },
        { "ansicpg", { Word::AnsiCodePage } },
        { "uc", { Word::UnicodeSkip } },
        { "u", { Word::Unicode } },
        { "bin", { Word::Bin } },
        { "tab", { Word::Character, '\t' } },
        { "line", { Word::Character, 0x2028 } },
        { "emdash", { Word::Character, 0x2014 } },
        { "endash", { Word::Character, 0x2013 } },
        { "emspace", { Word::Character, 0x2003 } },
        { "enspace", { Word::Character, 0x2002 } },
        { "qmspace", { Word::Character, 0x2005 } },
        { "bullet", { Word::Character, 0x2022 } },
        { "lquote", { Word::Character, 0x2018 } },
        { "rquote", { Word::Character, 0x2019 } },
        { "ldblquote", { Word::Character, 0x201C } },
        { "rdblquote", { Word::Character, 0x201D } },
        // Destinations whose content is not text of the document.
        { "colortbl", { Word::SkipDestination } },
        { "stylesheet", { Word::SkipDestination } },
        { "info", { Word::SkipDestination } },
        { "pict", { Word::SkipDestination } },
        { "object", { Word::SkipDestination } },
        { "nonshppict", { Word::SkipDestination } },
        { "header", { Word::SkipDestination } },
        { "headerl", { Word::SkipDestination } },
        { "headerr", { Word::SkipDestination } },
        { "headerf", { Word::SkipDestination } },
        { "footer", { Word::SkipDestination } },
        { "footerl", { Word::SkipDestination } },
        { "footerr", { Word::SkipDestination } },
        { "footerf", { Word::SkipDestination } },
        { "footnote", { Word::SkipDestination } },
        { "fldinst", { Word::SkipDestination } },
        { "filetbl", { Word::SkipDestination } },
        { "listtable", { Word::SkipDestination } },
        { "listoverridetable", { Word::SkipDestination } },
        { "revtbl", { Word::SkipDestination } },
        { "rsidtbl", { Word::SkipDestination } },
        { "xmlnstbl", { Word::SkipDestination } },
        { "generator", { Word::SkipDestination } },
        { "themedata", { Word::SkipDestination } },
        { "colorschememapping", { Word::SkipDestination } },
        { "latentstyles", { Word::SkipDestination } },
        { "datastore", { Word::SkipDestination } },
        { "xe", { Word::SkipDestination } },
        { "tc", { Word::SkipDestination } },
    };
    return table;
}

enum class Destination { Text, FontTable, Skip };

struct GroupState {
    RtfCharFormat Format;
    RtfAlignment Alignment = RtfAlignment::Left;
    Destination Dest = Destination::Text;
    int UnicodeSkip = 1; // \uc: fallback characters after each \u
};

// Numbers beyond this are cut to it: no meaningful parameter is that large, and it keeps the
// arithmetic on them in range.
constexpr long long MaxParameter = 1'000'000'000;
constexpr int MaxUnicodeSkip = 16;
constexpr int MaxHalfPoints = 3276; // 1638 pt, the largest size RTF writers produce

class RtfReader {
public:
    explicit RtfReader(std::span<const std::uint8_t> input)
        : In(input)
    {
    }

    RtfDocument Read()
    {
        while (Pos < In.size()
            && (In[Pos] == ' ' || In[Pos] == '\t' || In[Pos] == '\r' || In[Pos] == '\n'))
            ++Pos;
        if (In.size() - Pos < 5 || std::memcmp(In.data() + Pos, "{\\rtf", 5) != 0) {
            Fail("not an RTF document: it does not begin with {\\rtf");
            return std::move(Doc);
        }
        bool closed = false;
        while (Pos < In.size() && !closed && !Stopped) {
            const std::uint8_t c = In[Pos++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
                closed = Stack.empty(); // whatever follows the document's group is not read
            } else if (c == '\\') {
                ReadControl();
            } else {
                ReadTextByte(c);
            }
        }
        if (!closed && !Stopped)
            Fail("the document ends inside " + std::to_string(Stack.size()) + " open group(s)");
        FlushSurrogate();
        if (!Current.Runs.empty())
            Doc.Paragraphs.push_back(std::move(Current));
        return std::move(Doc);
    }

private:
    void Fail(const std::string& message)
    {
        if (Doc.Problem)
            return;
        Doc.Problem = Error { ErrorKind::Damaged, message + " (byte " + std::to_string(Pos) + ")" };
    }

    void OpenGroup()
    {
        if (Stack.size() >= std::size_t(MaxRtfGroupDepth)) {
            Fail("groups nested deeper than " + std::to_string(MaxRtfGroupDepth));
            Stopped = true;
            return;
        }
        Stack.push_back(Stack.empty() ? GroupState {} : Stack.back());
        SkipCount = 0;
    }

    void CloseGroup()
    {
        FlushSurrogate();
        if (Stack.back().Dest == Destination::FontTable)
            CommitFont(); // an entry may end without its ';'
        Stack.pop_back();
        SkipCount = 0;
    }

    void ReadTextByte(std::uint8_t c)
    {
        if (c == '\r' || c == '\n')
            return; // line breaks of the RTF source are not text
        if (SkipCount > 0) {
            --SkipCount;
            return;
        }
        AddChar(DecodeByte(c, ActiveCodePage()));
    }

    void ReadControl()
    {
        if (Pos >= In.size()) {
            Fail("the document ends with a lone backslash");
            return;
        }
        const std::uint8_t first = In[Pos];
        if (!IsLetter(first)) {
            ++Pos;
            if (first == '\'') {
                ReadHexByte();
            } else if (SkipCount > 0) {
                --SkipCount;
            } else {
                HandleSymbol(first);
            }
            return;
        }

        const std::size_t start = Pos;
        while (Pos < In.size() && IsLetter(In[Pos]))
            ++Pos;
        // Control words have at most 32 letters; a longer one is nothing we know.
        const std::size_t length = Pos - start;
        const std::string_view word = length <= 32
            ? std::string_view(reinterpret_cast<const char*>(In.data() + start), length)
            : std::string_view();

        bool negative = false;
        if (Pos + 1 < In.size() && In[Pos] == '-' && IsDigit(In[Pos + 1])) {
            negative = true;
            ++Pos;
        }
        bool hasParameter = false;
        long long parameter = 0;
        while (Pos < In.size() && IsDigit(In[Pos])) {
            hasParameter = true;
            parameter = std::min(parameter * 10 + (In[Pos] - '0'), MaxParameter);
            ++Pos;
        }
        if (Pos < In.size() && In[Pos] == ' ')
            ++Pos; // the delimiting space belongs to the control word
        const int value = int(negative ? -parameter : parameter);

        const auto& words = Words();
        const auto found = words.find(word);
        if (found != words.end() && found->second.Kind == Word::Bin) {
            // Binary data may hold any byte, braces included; it is never text.
            const std::size_t count = hasParameter && value > 0 ? std::size_t(value) : 0;
            Pos += std::min(count, In.size() - Pos);
            if (SkipCount > 0)
                --SkipCount;
            return;
        }
        if (SkipCount > 0) {
            --SkipCount;
            return;
        }
        if (found != words.end())
            HandleWord(found->second, hasParameter, value);
    }

    void ReadHexByte()
    {
        int value = 0;
        int digits = 0;
        while (digits < 2 && Pos < In.size() && HexValue(In[Pos]) >= 0) {
            value = value * 16 + HexValue(In[Pos]);
            ++Pos;
            ++digits;
        }
        if (digits < 2) {
            Fail("incomplete \\' escape");
            return;
        }
        if (SkipCount > 0) {
            --SkipCount;
            return;
        }
        AddChar(DecodeByte(std::uint8_t(value), ActiveCodePage()));
    }

    void HandleSymbol(std::uint8_t c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            AddChar(c);
            break;
        case '~':
            AddChar(0x00A0); // non-breaking space
            break;
        case '-':
            AddChar(0x00AD); // optional hyphen
            break;
        case '_':
            AddChar(0x2011); // non-breaking hyphen
            break;
        case '\t':
            AddChar('\t');
            break;
        case '*':
            // Marks a destination a reader may ignore; none of them carries the document's text.
            Stack.back().Dest = Destination::Skip;
            break;
        case '\r':
        case '\n':
            EndParagraph(); // a backslash before a line break is \par
            break;
        default:
            break;
        }
    }

    void HandleWord(const WordInfo& info, bool hasParameter, int value)
    {
        GroupState& group = Stack.back();
        if (group.Dest == Destination::Skip)
            return;
        const bool on = !hasParameter || value != 0; // \b and \b1 switch on, \b0 off
        switch (info.Kind) {
        case Word::Par:
            EndParagraph();
            break;
        case Word::Cell:
            AddChar('\t');
            break;
        case Word::Pard:
            group.Alignment = RtfAlignment::Left;
            break;
        case Word::Plain:
            group.Format = RtfCharFormat {};
            break;
        case Word::Align:
            group.Alignment = RtfAlignment(info.Value);
            break;
        case Word::Bold:
            group.Format.Bold = on;
            break;
        case Word::Italic:
            group.Format.Italic = on;
            break;
        case Word::Underline:
            group.Format.Underline = on;
            break;
        case Word::UnderlineNone:
            group.Format.Underline = false;
            break;
        case Word::FontSize:
            group.Format.HalfPoints = hasParameter && value > 0 ? std::min(value, MaxHalfPoints)
                                                                : RtfCharFormat {}.HalfPoints;
            break;
        case Word::Font:
            if (group.Dest == Destination::FontTable) {
                CommitFont();
                PendingFont = RtfFont {};
                PendingFont.Index = std::max(value, 0);
                FontOpen = true;
            } else if (value >= 0) {
                group.Format.Font = value;
            }
            break;
        case Word::FontTable:
            group.Dest = Destination::FontTable;
            FontOpen = false;
            break;
        case Word::SkipDestination:
            group.Dest = Destination::Skip;
            break;
        case Word::Family:
            if (FontOpen)
                PendingFont.Family = RtfFontFamily(info.Value);
            break;
        case Word::Charset:
            if (FontOpen && hasParameter)
                PendingFont.Charset = value;
            break;
        case Word::DefaultFont:
            Doc.DefaultFont = std::max(value, 0);
            break;
        case Word::CodePage:
            CodePage = info.Value;
            break;
        case Word::AnsiCodePage:
            if (hasParameter)
                CodePage = value;
            break;
        case Word::UnicodeSkip:
            group.UnicodeSkip = hasParameter ? std::clamp(value, 0, MaxUnicodeSkip) : 1;
            break;
        case Word::Unicode:
            if (hasParameter)
                AddUnicode(value);
            SkipCount = group.UnicodeSkip;
            break;
        case Word::Character:
            AddChar(char32_t(info.Value));
            break;
        case Word::Bin:
            break; // read in ReadControl
        }
    }

    // \u carries a signed 16-bit UTF-16 code unit; characters beyond the first plane come as two.
    void AddUnicode(int value)
    {
        if (value < 0)
            value += 65536;
        if (value < 0 || value > 0xFFFF) {
            AddChar(Replacement);
        } else if (value >= 0xD800 && value <= 0xDBFF) {
            FlushSurrogate();
            HighSurrogate = char32_t(value);
        } else if (value >= 0xDC00 && value <= 0xDFFF) {
            if (HighSurrogate != 0) {
                const char32_t c
                    = 0x10000 + ((HighSurrogate - 0xD800) << 10) + (char32_t(value) - 0xDC00);
                HighSurrogate = 0;
                Emit(c);
            } else {
                Emit(Replacement);
            }
        } else {
            AddChar(char32_t(value));
        }
    }

    void FlushSurrogate()
    {
        if (HighSurrogate != 0) {
            HighSurrogate = 0;
            Emit(Replacement);
        }
    }

    void AddChar(char32_t c)
    {
        FlushSurrogate();
        Emit(c);
    }

    void Emit(char32_t c)
    {
        if (Stack.empty())
            return;
        const GroupState& group = Stack.back();
        switch (group.Dest) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (!FontOpen)
                return;
            if (c == ';')
                CommitFont();
            else
                AppendUtf8(PendingFont.Name, c);
            return;
        case Destination::Text:
            if (c < 0x20 && c != '\t')
                return; // control characters are never shown
            if (Current.Runs.empty() || Current.Runs.back().Format != group.Format)
                Current.Runs.push_back({ group.Format, {} });
            AppendUtf8(Current.Runs.back().Text, c);
            Current.Alignment = group.Alignment;
            return;
        }
    }

    void EndParagraph()
    {
        if (Stack.back().Dest != Destination::Text)
            return;
        FlushSurrogate();
        Current.Alignment = Stack.back().Alignment; // the paragraph takes the properties at its end
        Doc.Paragraphs.push_back(std::move(Current));
        Current = {};
    }

    void CommitFont()
    {
        if (!FontOpen)
            return;
        FontOpen = false;
        std::string& name = PendingFont.Name;
        const auto first = name.find_first_not_of(' ');
        name = first == std::string::npos
            ? std::string()
            : name.substr(first, name.find_last_not_of(' ') - first + 1);
        if (FontCodePages.emplace(PendingFont.Index, CodePageOfCharset(PendingFont.Charset)).second)
            Doc.Fonts.push_back(std::move(PendingFont)); // the first entry for an index counts
        PendingFont = {};
    }

    int ActiveCodePage() const
    {
        int font = Stack.back().Format.Font;
        if (Stack.back().Dest == Destination::FontTable)
            font = FontOpen ? PendingFont.Index : -1;
        if (font < 0)
            font = Doc.DefaultFont;
        if (FontOpen && font == PendingFont.Index) {
            if (const int fromCharset = CodePageOfCharset(PendingFont.Charset))
                return fromCharset;
        }
        const auto found = FontCodePages.find(font);
        if (found != FontCodePages.end() && found->second != 0)
            return found->second;
        return CodePage;
    }

    std::span<const std::uint8_t> In;
    std::size_t Pos = 0;
    bool Stopped = false;
    std::vector<GroupState> Stack;
    RtfDocument Doc;
    RtfParagraph Current;
    int CodePage = 1252;
    int SkipCount = 0; // fallback characters of the last \u still to drop
    char32_t HighSurrogate = 0; // first half of a pair, waiting for the second
    RtfFont PendingFont;
    bool FontOpen = false; // a font table entry is being read into PendingFont
    std::unordered_map<int, int> FontCodePages; // font index -> code page from its charset
};

} // namespace

std::string RtfParagraph::PlainText() const
{
    std::string text;
    for (const RtfRun& run : Runs)
        text += run.Text;
    return text;
}

const RtfFont* RtfDocument::FindFont(int index) const
{
    if (index < 0)
        index = DefaultFont;
    const auto found = std::find_if(
        Fonts.begin(), Fonts.end(), [index](const RtfFont& f) { return f.Index == index; });
    return found == Fonts.end() ? nullptr : &*found;
}

RtfDocument ParseRtf(std::span<const std::uint8_t> rtf) { return RtfReader(rtf).Read(); }

RtfDocument ParseRtf(std::string_view rtf)
{
    return ParseRtf(std::span(reinterpret_cast<const std::uint8_t*>(rtf.data()), rtf.size()));
}
