// The RTF reader: a rules document as a word processor writes it, the escapes and destinations
// such documents contain, and malformed input of every kind, which must end the reading with what
// was read and a reason, never with a crash or a stall.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "RtfDocument.h"
#include "SampleRules.h"

namespace {

// One line per paragraph: its alignment (L, C, R, J), a space, then the text with each change of
// format marked as {b i u, size in half points when not 12 pt, f and the font when not 0}.
std::string Describe(const RtfDocument& doc)
{
    std::string out;
    for (const RtfParagraph& p : doc.Paragraphs) {
        out += "LCRJ"[int(p.Alignment)];
        out += ' ';
        std::string previous = "{}";
        for (const RtfRun& run : p.Runs) {
            const RtfCharFormat& f = run.Format;
            std::string tag = "{";
            tag += std::string(f.Bold ? "b" : "") + (f.Italic ? "i" : "")
                + (f.Underline ? "u" : "");
            if (f.HalfPoints != 24)
                tag += std::to_string(f.HalfPoints);
            if (f.Font > 0)
                tag += 'f' + std::to_string(f.Font);
            tag += '}';
            out += (tag == previous ? "" : tag) + run.Text;
            previous = tag;
        }
        out += '\n';
    }
    return out;
}

// A minimal document around body, in code page 1251.
std::string Body(const std::string& body)
{
    return Describe(ParseRtf("{\\rtf1\\ansi\\ansicpg1251 " + body + "}"));
}

} // namespace

TEST(RtfDocument, ReadsTheRulesDocument)
{
    const RtfDocument doc = ParseRtf(SampleRulesRtf);
    ASSERT_FALSE(doc.Problem) << doc.Problem->Message;
    ASSERT_EQ(doc.Fonts.size(), 1u);
    EXPECT_EQ(doc.Fonts[0].Name, "Times New Roman"); // its \*\panose group is skipped
    EXPECT_EQ(doc.Fonts[0].Family, RtfFontFamily::Roman);
    EXPECT_EQ(doc.Fonts[0].Charset, 204);
    EXPECT_EQ(doc.FindFont(-1), &doc.Fonts[0]);

    std::vector<std::string> lines;
    std::istringstream described(Describe(doc));
    for (std::string line; std::getline(described, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 19u) << Describe(doc);
    // Nothing of the colour table, style sheet or document information leaks into the text.
    EXPECT_EQ(lines[0], "C {bi36}Corvana");
    for (int heading : { 2, 5, 8, 12, 15 }) {
        EXPECT_TRUE(lines[heading].starts_with("C {i}")) << lines[heading];
        EXPECT_TRUE(doc.Paragraphs[heading - 1].Runs.empty()); // a blank line before
        EXPECT_TRUE(lines[heading + 1].starts_with("J ")
            && lines[heading + 1].find("{i}") == std::string::npos);
    }
    EXPECT_EQ(lines[2], "C {i}About the game.");
    EXPECT_EQ(lines[8], "C {i}The beginning and the order of the game.");
    EXPECT_EQ(lines[15], "C {i}Net Game.");
    // Cyrillic from \'xx in code page 1251 (ё is 0xB8, the dash 0x97); × from \u215, its '?'
    // dropped.
    EXPECT_EQ(lines[3], "J Корвана — это компьютерная версия старинной игры Реверси.");
    EXPECT_EQ(lines[6],
        "J Игра ведётся на доске 8 × 8 или 10 × 10 клеток фишками двух цветов: жёлтыми и "
        "зелёными.");
    EXPECT_EQ(lines[13],
        "J Щёлкните мышью по клетке, куда хотите поставить фишку. Правая кнопка показывает "
        "возможные ходы и "
        "последний ход. Press {b}F3{} for a hint,\t{b}F1{} for this text.\u2028{u}Undo{}: Ctrl+Z.");
    EXPECT_EQ(lines[18], "C {bi}Good luck!");
}

TEST(RtfDocument, FormatsBelongToGroupsAndParagraphs)
{
    // A group's formats end with it; \plain resets the characters, \pard the paragraph, and a
    // paragraph takes the alignment in force at its \par. A last paragraph without \par is kept.
    EXPECT_EQ(Body("\\qc a{\\b\\i\\fs40 b}c\\b d\\plain e\\par\\pard f\\par late\\qr\\par\\qj g"),
        "C a{bi40}b{}c{b}d{}e\nL f\nR late\nJ g\n");
    EXPECT_EQ(
        Body("\\b1 a\\b0 b\\ul c\\ul0 d\\uldb e\\ulnone f\\f2\\fs-5 g\\fs99999999999999999999 h"),
        "L {b}a{}b{u}c{}d{u}e{}f{f2}g{3276f2}h\n");
    // The space after a control word ends it; another is text. Source line breaks are not text.
    EXPECT_EQ(Body("\\b  x\\b0 y\r\nz\x01\tw"), "L {b} x{}yz\tw\n");
}

TEST(RtfDocument, EscapesAndUnicode)
{
    EXPECT_EQ(Body("a\\\\b\\{c\\}d\\~e\\-f\\_g\\emdash\\ldblquote x\\rdblquote\\bullet\\\nnext"),
        "L a\\b{c}d\u00A0e\u00ADf\u2011g—“x”•\nL next\n"); // backslash + line break ends a
                                                           // paragraph
    const std::pair<const char*, const char*> cases[] = {
        { "\\u1046?a\\u1046\\'c6b", "ЖaЖb" }, // \uc1: one fallback, a byte or an escape
        { "\\uc2\\u1046??a", "Жa" },
        { "\\uc0\\u1046 a", "Жa" },
        { "{\\uc3\\u1046}abc", "Жabc" }, // a group end stops the dropping
        { "\\uc99999999999 \\u1046 cdefghijklmnopqrstuvwxyz", "Жstuvwxyz" }, // \uc is capped at 16
        { "\\u-4064?", "\uF020" }, // negative: code units above 32767
        { "\\u-10179?\\u-8704?", "\U0001F600" }, // a surrogate pair
        { "\\u-10179?x", "\uFFFDx" }, // a lone half is replaced, never passed on
        { "\\u-8704?x", "\uFFFDx" },
        { "\\u99999999999?x", "\uFFFDx" },
        { "\\'c0\\'e9\\'b8", "Айё" },
    };
    for (const auto& [body, text] : cases)
        EXPECT_EQ(Body(body), std::string("L ") + text + "\n") << body;
}

TEST(RtfDocument, CodePagesFollowTheDocumentAndTheFont)
{
    EXPECT_EQ(Describe(ParseRtf("{\\rtf1\\ansi \\'c0\\'e9\\'80}")), "L Àé€\n"); // 1252 by default
    // A font's \fcharset overrides the document's code page.
    const RtfDocument mixed
        = ParseRtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                   "{\\f1\\froman\\fcharset204 Times New Roman CYR;}}\\'c0\\f1\\'c0\\f0\\'c0}");
    ASSERT_FALSE(mixed.Problem) << mixed.Problem->Message;
    EXPECT_EQ(Describe(mixed), "L À{f1}А{}À\n");
    EXPECT_EQ(mixed.FindFont(1)->Name, "Times New Roman CYR");
    EXPECT_EQ(mixed.FindFont(7), nullptr);
    // A font table without groups or a final ';' still names its fonts.
    const RtfDocument flat = ParseRtf("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1 Courier}x}");
    ASSERT_EQ(flat.Fonts.size(), 2u);
    EXPECT_EQ(flat.Fonts[0].Name + "," + flat.Fonts[1].Name, "Helvetica,Courier");
}

TEST(RtfDocument, DestinationsThatAreNotTextAreSkipped)
{
    // Binary data may hold braces without upsetting the groups, and is never text.
    EXPECT_EQ(Body("{\\*\\unknownthing hidden}{\\info{\\title T}}{\\stylesheet{\\s1 Heading;}}"
                   "{\\colortbl;\\red1\\green2\\blue3;}{\\header head\\par}"
                   "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}{\\pict\\pngblip 89504e47}"
                   "a{\\*\\blob\\bin3 {}}}b\\bin2 zzc\\unknownword d\\"
                  + std::string(5000, 'x') + "1 e"),
        "L shownabcde\n");
    // Whatever follows the document's closing brace is not read.
    EXPECT_EQ(Describe(ParseRtf("{\\rtf1 a}b\\par}}{")), "L a\n");
}

TEST(RtfDocument, MalformedInputKeepsWhatWasReadAndSaysWhy)
{
    // Input, the reason given, and the text read before the fault.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        { "Hello, world", "not an RTF document", "" },
        { "", "not an RTF document", "" },
        { "{\\rtf1 first\\par{\\b second", "2 open group", "L first\nL {b}second\n" },
        { "{\\rtf1 ab\\'", "incomplete \\' escape", "L ab\n" },
        { "{\\rtf1 ab\\'4z}", "incomplete \\' escape", "L abz\n" },
        { "{\\rtf1 ab\\", "lone backslash", "L ab\n" },
        { "{\\rtf1 ab\\bin99999999999 }", "open group", "L ab\n" }, // the data ran past the end
        { "{\\rtf1 ab" + std::string(100000, '{') + "x" + std::string(100000, '}') + "}",
            "nested deeper than 128", "L ab\n" },
    };
    for (const auto& [input, reason, text] : cases) {
        const RtfDocument doc = ParseRtf(input);
        ASSERT_TRUE(doc.Problem) << input.substr(0, 30);
        EXPECT_EQ(doc.Problem->Kind, ErrorKind::Damaged);
        EXPECT_NE(doc.Problem->Message.find(reason), std::string::npos) << doc.Problem->Message;
        EXPECT_EQ(Describe(doc), text);
    }
    std::string atCap = "{\\rtf1 " + std::string(MaxRtfGroupDepth - 1, '{') + "x"
        + std::string(MaxRtfGroupDepth, '}');
    EXPECT_FALSE(ParseRtf(atCap).Problem);
}

// Thousands of damaged variants of a real document: flipped, inserted and deleted bytes biased
// towards RTF's special characters, runs of braces, cut-off endings, and plain noise. Each must
// come back with well-formed output no larger than its input could produce.
TEST(RtfDocument, DamagedDocumentsNeverCrashOrRunAway)
{
    const std::string sample(SampleRulesRtf);
    const std::string special = "{}\\'*-0123456789abcfuq ;\r\n\x80\xff";
    std::mt19937 random(20260107);
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    auto check = [](const std::string& input) {
        const RtfDocument doc = ParseRtf(input);
        if (doc.Problem) {
            ASSERT_FALSE(doc.Problem->Message.empty());
        }
        std::size_t textBytes = 0;
        for (const RtfParagraph& p : doc.Paragraphs)
            for (std::size_t i = 0; i < p.Runs.size(); ++i) {
                ASSERT_FALSE(p.Runs[i].Text.empty());
                ASSERT_TRUE(i == 0 || !(p.Runs[i].Format == p.Runs[i - 1].Format));
                ASSERT_TRUE(
                    p.Runs[i].Format.HalfPoints >= 1 && p.Runs[i].Format.HalfPoints <= 3276);
                textBytes += p.Runs[i].Text.size();
            }
        ASSERT_LE(textBytes, 4 * input.size()); // at most 4 UTF-8 bytes per input byte
    };

    for (std::size_t length = 0; length <= sample.size(); ++length)
        ASSERT_NO_FATAL_FAILURE(check(sample.substr(0, length))) << "cut at " << length;
    for (int round = 0; round < 5000; ++round) {
        std::string input = round < 4000 ? sample : "{\\rtf";
        for (int e = 1 + int(pick(12)); e > 0; --e) {
            const std::size_t at = input.empty() ? 0 : pick(input.size());
            const char c = pick(3) == 0 ? char(pick(256)) : special[pick(special.size())];
            switch (round < 4000 ? pick(5) : 1) {
            case 0:
                if (!input.empty())
                    input[at] = c;
                break;
            case 1:
                input.insert(input.begin() + at, 1 + pick(30), c);
                break;
            case 2:
                input.erase(at, 1 + pick(8));
                break;
            case 3:
                input.insert(at, std::string(1 + pick(300), pick(2) ? '{' : '}'));
                break;
            default:
                input.resize(at);
            }
        }
        ASSERT_NO_FATAL_FAILURE(check(input)) << "round " << round;
    }
}
