// The RTF reader: a rules document as a word processor writes it, the escapes and destinations
// such documents contain, and malformed input of every kind, which must end the reading with what
// was read and a reason, never with a crash or a stall.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "RtfDocument.h"
#include "SampleRules.h"

namespace {

std::string TextOf(const RtfDocument& doc)
{
    std::string text;
    for (const RtfParagraph& p : doc.Paragraphs)
        text += p.PlainText() + "\n";
    return text;
}

// The body of a minimal document, so each case shows only what it is about.
RtfDocument Parse(const std::string& body)
{
    return ParseRtf("{\\rtf1\\ansi\\ansicpg1251 " + body + "}");
}

bool IsValidUtf8(const std::string& s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = std::uint8_t(s[i]);
        const int extra = c < 0x80 ? 0
            : (c & 0xE0) == 0xC0   ? 1
            : (c & 0xF0) == 0xE0   ? 2
            : (c & 0xF8) == 0xF0   ? 3
                                   : -1;
        if (extra < 0 || s.size() - i <= std::size_t(extra))
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((std::uint8_t(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

} // namespace

TEST(RtfDocument, ReadsTheRulesDocument)
{
    const RtfDocument doc = ParseRtf(SampleRulesRtf);
    ASSERT_TRUE(doc.Ok) << doc.Error;
    EXPECT_TRUE(doc.Error.empty());

    ASSERT_EQ(doc.Fonts.size(), 1u);
    EXPECT_EQ(doc.Fonts[0].Index, 0);
    EXPECT_EQ(doc.Fonts[0].Name, "Times New Roman"); // the \*\panose group inside it is skipped
    EXPECT_EQ(doc.Fonts[0].Family, RtfFontFamily::Roman);
    EXPECT_EQ(doc.Fonts[0].Charset, 204);
    EXPECT_EQ(doc.FindFont(-1), &doc.Fonts[0]);

    ASSERT_EQ(doc.Paragraphs.size(), 19u) << TextOf(doc);

    // Title: centred, bold italic, 18 pt; nothing of the colour table, styles or info leaks in.
    const RtfParagraph& title = doc.Paragraphs[0];
    EXPECT_EQ(title.Alignment, RtfAlignment::Centre);
    ASSERT_EQ(title.Runs.size(), 1u);
    EXPECT_EQ(title.Runs[0].Text, "Corvana");
    EXPECT_TRUE(title.Runs[0].Format.Bold);
    EXPECT_TRUE(title.Runs[0].Format.Italic);
    EXPECT_EQ(title.Runs[0].Format.HalfPoints, 36);
    EXPECT_EQ(title.Runs[0].Format.Font, 0);

    // Headings: centred italic, not bold, 12 pt; each followed by justified upright prose.
    const std::pair<int, const char*> headings[] = { { 2, "About the game." },
        { 5, "The Rules of the game." }, { 8, "The beginning and the order of the game." },
        { 12, "How to play?" }, { 15, "Net Game." } };
    for (const auto& [index, text] : headings) {
        SCOPED_TRACE(text);
        const RtfParagraph& heading = doc.Paragraphs[index];
        EXPECT_EQ(heading.Alignment, RtfAlignment::Centre);
        ASSERT_EQ(heading.Runs.size(), 1u);
        EXPECT_EQ(heading.Runs[0].Text, text);
        EXPECT_TRUE(heading.Runs[0].Format.Italic);
        EXPECT_FALSE(heading.Runs[0].Format.Bold);
        EXPECT_EQ(heading.Runs[0].Format.HalfPoints, 24);
        EXPECT_TRUE(doc.Paragraphs[index - 1].Runs.empty()); // a blank line before it
        const RtfParagraph& prose = doc.Paragraphs[index + 1];
        EXPECT_EQ(prose.Alignment, RtfAlignment::Justify);
        EXPECT_FALSE(prose.Runs.front().Format.Italic);
    }

    // Cyrillic from \'xx escapes in code page 1251 (ё is 0xB8, the dash 0x97), and × from \u215
    // with its '?' fallback dropped.
    EXPECT_EQ(
        doc.Paragraphs[3].PlainText(), "Корвана — это компьютерная версия старинной игры Реверси.");
    EXPECT_EQ(doc.Paragraphs[6].PlainText(),
        "Игра ведётся на доске 8 × 8 или 10 × 10 клеток фишками двух цветов: жёлтыми и зелёными.");
    EXPECT_EQ(
        doc.Paragraphs[10].Alignment, RtfAlignment::Justify); // \par keeps the paragraph format

    // Bold words inside prose, a tab, a line break inside the paragraph, an underlined group.
    const auto& howTo = doc.Paragraphs[13].Runs;
    ASSERT_EQ(howTo.size(), 7u);
    EXPECT_EQ(howTo[0].Text,
        "Щёлкните мышью по клетке, куда хотите поставить фишку. Правая кнопка показывает возможные "
        "ходы и последний ход. Press ");
    const std::pair<const char*, bool> boldness[]
        = { { "F3", true }, { " for a hint,\t", false }, { "F1", true },
              { " for this text.\u2028", false }, { "Undo", false }, { ": Ctrl+Z.", false } };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(howTo[i + 1].Text, boldness[i].first);
        EXPECT_EQ(howTo[i + 1].Format.Bold, boldness[i].second) << boldness[i].first;
        EXPECT_EQ(howTo[i + 1].Format.Underline, i == 4) << boldness[i].first;
    }
}

TEST(RtfDocument, ClosingLineAndFormatScopes)
{
    const RtfDocument doc = ParseRtf(SampleRulesRtf);
    const RtfParagraph& last = doc.Paragraphs.back();
    EXPECT_EQ(last.PlainText(), "Good luck!");
    EXPECT_EQ(last.Alignment, RtfAlignment::Centre);
    EXPECT_TRUE(last.Runs[0].Format.Bold && last.Runs[0].Format.Italic);

    // A group's formatting ends with the group; \plain and \pard reset characters and paragraph.
    const RtfDocument scoped
        = Parse("\\qc a{\\b\\i\\fs40 b}c\\b d\\plain e\\par\\pard f\\par\\qr g");
    ASSERT_EQ(scoped.Paragraphs.size(), 3u);
    const auto& runs = scoped.Paragraphs[0].Runs;
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].Text, "a");
    EXPECT_EQ(runs[1].Text, "b");
    EXPECT_TRUE(runs[1].Format.Bold && runs[1].Format.Italic);
    EXPECT_EQ(runs[1].Format.HalfPoints, 40);
    EXPECT_EQ(runs[2].Text, "c");
    EXPECT_EQ(runs[2].Format, RtfCharFormat {});
    EXPECT_TRUE(runs[3].Format.Bold);
    EXPECT_EQ(runs[4].Format, RtfCharFormat {});
    EXPECT_EQ(scoped.Paragraphs[0].Alignment, RtfAlignment::Centre);
    EXPECT_EQ(scoped.Paragraphs[1].Alignment, RtfAlignment::Left);
    // The paragraph takes the alignment in force at its \par, also when set after its text.
    EXPECT_EQ(Parse("late\\qc\\par").Paragraphs.at(0).Alignment, RtfAlignment::Centre);
    EXPECT_EQ(Parse("\\qr\\par").Paragraphs.at(0).Alignment, RtfAlignment::Right);
    // A last paragraph without \par is kept, with the alignment in force.
    EXPECT_EQ(scoped.Paragraphs[2].PlainText(), "g");
    EXPECT_EQ(scoped.Paragraphs[2].Alignment, RtfAlignment::Right);
}

TEST(RtfDocument, ControlSymbolsAndSpecialCharacters)
{
    const RtfDocument doc
        = Parse("a\\\\b\\{c\\}d\\~e\\-f\\_g\\emdash\\ldblquote x\\rdblquote\\bullet\\\nnext\\par");
    ASSERT_TRUE(doc.Ok) << doc.Error;
    ASSERT_EQ(doc.Paragraphs.size(), 2u); // backslash + line break is a paragraph end
    EXPECT_EQ(doc.Paragraphs[0].PlainText(), "a\\b{c}d\u00A0e\u00ADf\u2011g—“x”•");
    EXPECT_EQ(doc.Paragraphs[1].PlainText(), "next");

    // Line breaks and control characters in the source are not text; a tab character is.
    EXPECT_EQ(Parse("a\r\nb\x01\tc").Paragraphs.at(0).PlainText(), "ab\tc");
    // The space after a control word delimits it; a second space is text.
    EXPECT_EQ(Parse("\\b  x\\b0 y").Paragraphs.at(0).PlainText(), " xy");
    // \b1 and \b switch on, \b0 off; \ul0 and \ulnone end underlining.
    const RtfDocument toggles = Parse("\\b1 a\\b0 b\\ul c\\ul0 d\\ul e\\ulnone f");
    const auto& runs = toggles.Paragraphs.at(0).Runs;
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_TRUE(runs[0].Format.Bold);
    EXPECT_FALSE(runs[1].Format.Bold);
    EXPECT_TRUE(runs[2].Format.Underline);
    EXPECT_FALSE(runs[3].Format.Underline);
    EXPECT_TRUE(runs[4].Format.Underline);
    EXPECT_FALSE(runs[5].Format.Underline);
}

TEST(RtfDocument, UnicodeEscapesAndTheirFallbacks)
{
    // \uc1 by default: one fallback character dropped, whether a byte or a \'xx escape.
    EXPECT_EQ(Parse("\\u1046?a\\u1046\\'c6b").Paragraphs.at(0).PlainText(), "ЖaЖb");
    // \uc2 drops two, \uc0 none; a group end stops the dropping.
    EXPECT_EQ(Parse("\\uc2\\u1046??a").Paragraphs.at(0).PlainText(), "Жa");
    EXPECT_EQ(Parse("\\uc0\\u1046 a").Paragraphs.at(0).PlainText(), "Жa");
    EXPECT_EQ(Parse("{\\uc3\\u1046}abc").Paragraphs.at(0).PlainText(), "Жabc");
    // Negative values are code units above 32767; pairs make characters beyond the first plane.
    EXPECT_EQ(Parse("\\u-4064?").Paragraphs.at(0).PlainText(), "\uF020");
    EXPECT_EQ(Parse("\\u-10179?\\u-8704?").Paragraphs.at(0).PlainText(), "\U0001F600");
    // Halves out of order or alone are replaced, never passed on as invalid UTF-8.
    EXPECT_EQ(Parse("\\u-10179?x").Paragraphs.at(0).PlainText(), "\uFFFDx");
    EXPECT_EQ(Parse("\\u-8704?x").Paragraphs.at(0).PlainText(), "\uFFFDx");
    EXPECT_EQ(Parse("\\u99999999999?x").Paragraphs.at(0).PlainText(), "\uFFFDx");
}

TEST(RtfDocument, CodePagesFollowTheDocumentAndTheFont)
{
    // 1251 from \ansicpg; 1252 by default; a font's \fcharset overrides both.
    EXPECT_EQ(Parse("\\'c0\\'e9\\'b8").Paragraphs.at(0).PlainText(), "Айё");
    EXPECT_EQ(ParseRtf("{\\rtf1\\ansi \\'c0\\'e9\\'80}").Paragraphs.at(0).PlainText(), "Àé€");
    const RtfDocument mixed
        = ParseRtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                   "{\\f1\\froman\\fcharset204 Times New Roman CYR;}}\\'c0\\f1\\'c0\\f0\\'c0}");
    ASSERT_TRUE(mixed.Ok) << mixed.Error;
    EXPECT_EQ(mixed.Paragraphs.at(0).PlainText(), "ÀАÀ");
    ASSERT_EQ(mixed.Fonts.size(), 2u);
    EXPECT_EQ(mixed.Fonts[1].Name, "Times New Roman CYR");
    EXPECT_EQ(mixed.FindFont(1)->Family, RtfFontFamily::Roman);
    EXPECT_EQ(mixed.FindFont(7), nullptr);
    // A font table without groups or a final ';' still names its fonts.
    const RtfDocument flat = ParseRtf("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1 Courier}x}");
    ASSERT_EQ(flat.Fonts.size(), 2u);
    EXPECT_EQ(flat.Fonts[0].Name, "Helvetica");
    EXPECT_EQ(flat.Fonts[1].Name, "Courier");
    EXPECT_EQ(flat.Paragraphs.at(0).PlainText(), "x");
}

TEST(RtfDocument, DestinationsThatAreNotTextAreSkipped)
{
    const RtfDocument doc
        = Parse("{\\*\\unknownthing hidden}{\\info{\\title T}{\\author A}}"
                "{\\stylesheet{\\s1 Heading;}}{\\colortbl;\\red1\\green2\\blue3;}"
                "{\\header head\\par}{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}"
                "{\\pict\\pngblip 89504e47}a{\\*\\blob\\bin3 {}}}b\\bin2 zzc\\unknownword d");
    ASSERT_TRUE(doc.Ok) << doc.Error;
    ASSERT_EQ(doc.Paragraphs.size(), 1u) << TextOf(doc);
    // Binary data may hold braces without upsetting the groups; \bin data is never text.
    EXPECT_EQ(doc.Paragraphs[0].PlainText(), "shownabcd");
    // Whatever follows the document's closing brace is not read.
    EXPECT_EQ(TextOf(ParseRtf("{\\rtf1 a}b\\par}}{")), "a\n");
}

TEST(RtfDocument, MalformedInputKeepsWhatWasReadAndSaysWhy)
{
    const RtfDocument notRtf = ParseRtf("Hello, world");
    EXPECT_FALSE(notRtf.Ok);
    EXPECT_NE(notRtf.Error.find("not an RTF document"), std::string::npos);
    EXPECT_TRUE(notRtf.Paragraphs.empty());
    EXPECT_FALSE(ParseRtf("").Ok);
    EXPECT_FALSE(ParseRtf("{\\rt").Ok);

    const RtfDocument open = ParseRtf("{\\rtf1 first\\par{\\b second");
    EXPECT_FALSE(open.Ok);
    EXPECT_NE(open.Error.find("2 open group"), std::string::npos) << open.Error;
    EXPECT_EQ(TextOf(open), "first\nsecond\n");

    for (const char* truncated :
        { "{\\rtf1 ab\\'", "{\\rtf1 ab\\'4", "{\\rtf1 ab\\'4z}", "{\\rtf1 ab\\" }) {
        SCOPED_TRACE(truncated);
        const RtfDocument doc = ParseRtf(truncated);
        EXPECT_FALSE(doc.Ok);
        EXPECT_FALSE(doc.Error.empty());
        EXPECT_EQ(doc.Paragraphs.at(0).PlainText().substr(0, 2), "ab");
    }

    // Deep nesting stops the reading at the cap instead of growing without bound.
    std::string deep = "{\\rtf1 top";
    deep += std::string(100000, '{') + "x" + std::string(100000, '}') + "}";
    const RtfDocument nested = ParseRtf(deep);
    EXPECT_FALSE(nested.Ok);
    EXPECT_NE(nested.Error.find("nested deeper than 128"), std::string::npos) << nested.Error;
    EXPECT_EQ(TextOf(nested), "top\n");
    // Up to the cap is fine.
    std::string atCap = "{\\rtf1 " + std::string(MaxRtfGroupDepth - 1, '{') + "x"
        + std::string(MaxRtfGroupDepth, '}');
    EXPECT_TRUE(ParseRtf(atCap).Ok);

    // Huge parameters are cut down: sizes to RTF's largest, \uc to a few characters, \bin to the
    // data that is there.
    const RtfDocument huge = Parse(
        "\\fs99999999999999999999999 a\\fs-5 b\\uc99999999999 \\u1046 cdefghijklmnopqrstuvwxyz");
    ASSERT_TRUE(huge.Ok) << huge.Error;
    const auto& runs = huge.Paragraphs.at(0).Runs;
    EXPECT_EQ(runs.at(0).Format.HalfPoints, 3276);
    EXPECT_EQ(runs.at(1).Format.HalfPoints, 24);
    EXPECT_EQ(huge.Paragraphs[0].PlainText(), "abЖstuvwxyz");
    EXPECT_FALSE(ParseRtf("{\\rtf1 a\\bin99999999999 }").Ok); // the data ran past the end
    // A control word longer than RTF allows is ignored, letters and all.
    EXPECT_EQ(TextOf(Parse("a\\" + std::string(5000, 'b') + "1 c")), "ac\n");
}

// Thousands of damaged variants of a real document: flipped, inserted and deleted bytes biased
// towards RTF's special characters, cut-off endings. Each must come back with well-formed output
// no larger than its input could produce.
TEST(RtfDocument, DamagedDocumentsNeverCrashOrRunAway)
{
    const std::string sample(SampleRulesRtf);
    const std::string special = "{}\\'*-0123456789abcfuq ;\r\n\x80\xff";
    std::mt19937 random(20260107);
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };

    auto check = [](const std::string& input, const std::string& what) {
        SCOPED_TRACE(what);
        const RtfDocument doc = ParseRtf(input);
        EXPECT_EQ(doc.Ok, doc.Error.empty());
        std::size_t textBytes = 0;
        for (const RtfParagraph& p : doc.Paragraphs) {
            for (std::size_t i = 0; i < p.Runs.size(); ++i) {
                const RtfRun& run = p.Runs[i];
                ASSERT_FALSE(run.Text.empty());
                ASSERT_TRUE(i == 0 || !(run.Format == p.Runs[i - 1].Format));
                ASSERT_TRUE(IsValidUtf8(run.Text));
                ASSERT_GE(run.Format.HalfPoints, 1);
                ASSERT_LE(run.Format.HalfPoints, 3276);
                textBytes += run.Text.size();
            }
        }
        // Every output byte comes from input: at most 4 UTF-8 bytes for one input byte.
        ASSERT_LE(textBytes, 4 * input.size());
        ASSERT_LE(doc.Paragraphs.size(), input.size());
    };

    for (std::size_t length = 0; length <= sample.size(); ++length)
        check(sample.substr(0, length), "cut at " + std::to_string(length));

    for (int round = 0; round < 4000; ++round) {
        std::string input = sample;
        const int edits = 1 + int(pick(12));
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = input.empty() ? 0 : pick(input.size());
            const char c = pick(3) == 0 ? char(pick(256)) : special[pick(special.size())];
            switch (pick(5)) {
            case 0:
                if (!input.empty())
                    input[at] = c;
                break;
            case 1:
                input.insert(input.begin() + at, c);
                break;
            case 2:
                input.erase(at, 1 + pick(8));
                break;
            case 3:
                input.insert(at, std::string(1 + pick(300), pick(2) ? '{' : '}'));
                break;
            default:
                input.resize(at);
                break;
            }
        }
        check(input, "round " + std::to_string(round));
        if (HasFatalFailure())
            return;
    }

    // Pure noise, mostly not even starting like RTF.
    for (int round = 0; round < 1000; ++round) {
        std::string input = "{\\rtf";
        const std::size_t length = pick(400);
        for (std::size_t i = 0; i < length; ++i)
            input += pick(2) ? special[pick(special.size())] : char(pick(256));
        check(input, "noise " + std::to_string(round));
        if (HasFatalFailure())
            return;
    }
}
