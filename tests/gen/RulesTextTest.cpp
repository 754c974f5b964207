// The rules document as the Help window loads it: a Rich Text Format document in code page
// 1251 with one "Times New Roman" font, a centred bold italic title, the five centred italic
// headings in order with prose after each, and a centred closing line.
#include <gtest/gtest.h>

#include <string>

#include "GeneratedFiles.h"
#include "Result.h"

namespace {

struct TParagraph {
    std::string Text; // plain text, code page 1251
    bool Centred = false; // \qc
    bool Bold = false; // bold at the paragraph's first character
    bool Italic = false;
};

struct TRtf {
    std::string Header; // control words before the first paragraph
    std::vector<std::string> Fonts;
    std::vector<TParagraph> Paragraphs;
    int Depth = 0; // brace depth at the end; 0 when balanced
};

// A small reader for the subset the document uses: groups, control words with numeric
// parameters, \'hh escapes, escaped braces and backslashes, the font table.
Result<TRtf> ReadRtf(const std::string& s)
{
    TRtf rtf;
    TParagraph current;
    bool bold = false, italic = false, inFontTable = false, seenParagraph = false;
    int fontTableDepth = 0;
    std::string fontName;
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == '{') {
            ++rtf.Depth;
            ++i;
        } else if (c == '}') {
            if (inFontTable && rtf.Depth == fontTableDepth + 1 && !fontName.empty()) {
                rtf.Fonts.push_back(fontName);
                fontName.clear();
            }
            if (inFontTable && rtf.Depth == fontTableDepth)
                inFontTable = false;
            --rtf.Depth;
            ++i;
        } else if (c == '\\') {
            if (i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '{' || s[i + 1] == '}')) {
                current.Text += s[i + 1];
                i += 2;
                continue;
            }
            if (i + 3 < s.size() && s[i + 1] == '\'') {
                current.Text += char(std::stoi(s.substr(i + 2, 2), nullptr, 16));
                i += 4;
                continue;
            }
            std::size_t j = i + 1;
            while (j < s.size() && std::isalpha(static_cast<unsigned char>(s[j])))
                ++j;
            const std::string word = s.substr(i + 1, j - i - 1);
            std::size_t k = j;
            while (k < s.size() && (std::isdigit(static_cast<unsigned char>(s[k])) || s[k] == '-'))
                ++k;
            const std::string parameter = s.substr(j, k - j);
            if (k < s.size() && s[k] == ' ')
                ++k;
            i = k;
            if (word.empty())
                return Error { ErrorKind::Damaged, "bad control sequence at " + std::to_string(i) };
            if (word == "fonttbl") {
                inFontTable = true;
                fontTableDepth = rtf.Depth;
            } else if (word == "pard") {
                seenParagraph = true;
                current = TParagraph();
                bold = italic = false;
            } else if (word == "qc") {
                current.Centred = true;
            } else if (word == "b") {
                bold = parameter != "0";
            } else if (word == "i") {
                italic = parameter != "0";
            } else if (word == "par") {
                rtf.Paragraphs.push_back(current);
                current = TParagraph();
            } else if (word == "u") {
                // A character beyond code page 1251, kept as <U+N>; its fallback character goes.
                current.Text += "<U+" + parameter + ">";
                if (i < s.size() && s[i] == '?')
                    ++i;
            }
            if (!seenParagraph && !inFontTable)
                rtf.Header += "\\" + word + parameter;
        } else if (c == '\n' || c == '\r') {
            ++i;
        } else {
            if (inFontTable) {
                if (c != ';')
                    fontName += c;
            } else if (seenParagraph) {
                if (current.Text.empty()) {
                    current.Bold = bold;
                    current.Italic = italic;
                }
                current.Text += c;
            }
            ++i;
        }
    }
    return rtf;
}

const std::string& Document()
{
    static const std::string text = [] {
        const std::vector<std::uint8_t> bytes = Generated("RULERS_TEXT");
        return std::string(bytes.begin(), bytes.end());
    }();
    return text;
}

TEST(RulesText, IsPlainSevenBitRtfInCodePage1251)
{
    const std::string& doc = Document();
    ASSERT_FALSE(doc.empty());
    EXPECT_EQ(doc.rfind("{\\rtf1\\ansi\\ansicpg1251", 0), 0u);
    for (unsigned char c : doc)
        ASSERT_LT(c, 0x80) << "bytes outside ASCII must be written as \\'hh";
    const Result<TRtf> read = ReadRtf(doc);
    ASSERT_TRUE(read) << read.Failure().Message;
    const TRtf& rtf = read.Value();
    EXPECT_EQ(rtf.Depth, 0) << "unbalanced braces";
    EXPECT_EQ(rtf.Fonts, std::vector<std::string> { "Times New Roman" });
    // Every escaped byte is a character of code page 1251 (0x98 is its one hole).
    for (std::size_t at = doc.find("\\'"); at != std::string::npos; at = doc.find("\\'", at + 1))
        EXPECT_NE(doc.substr(at + 2, 2), "98");
}

TEST(RulesText, HasTheTitleFiveHeadingsInOrderAndAClosingLine)
{
    const TRtf rtf = ReadRtf(Document()).Value(); // a failure throws with its message
    ASSERT_GE(rtf.Paragraphs.size(), 12u);
    const TParagraph& title = rtf.Paragraphs.front();
    EXPECT_TRUE(title.Centred && title.Bold && title.Italic);
    EXPECT_NE(title.Text.find("Corvana"), std::string::npos);

    const std::vector<std::string> headings = { "About the game.", "The Rules of the game.",
        "The beginning and the order of the game.", "How to play?", "Net Game." };
    std::vector<std::size_t> at;
    for (std::size_t p = 1; p < rtf.Paragraphs.size(); ++p)
        if (rtf.Paragraphs[p].Centred && !rtf.Paragraphs[p].Bold) {
            EXPECT_TRUE(rtf.Paragraphs[p].Italic) << rtf.Paragraphs[p].Text;
            at.push_back(p);
            EXPECT_LT(at.size(), headings.size() + 1)
                << "unexpected heading " << rtf.Paragraphs[p].Text;
            if (at.size() <= headings.size()) {
                EXPECT_EQ(rtf.Paragraphs[p].Text, headings[at.size() - 1]);
            }
        }
    ASSERT_EQ(at.size(), headings.size());
    // Prose follows every heading: at least two paragraphs that are not centred.
    at.push_back(rtf.Paragraphs.size() - 1);
    for (std::size_t h = 0; h + 1 < at.size(); ++h) {
        EXPECT_GE(at[h + 1] - at[h], 3u) << headings[h];
        for (std::size_t p = at[h] + 1; p < at[h + 1]; ++p)
            EXPECT_FALSE(rtf.Paragraphs[p].Centred);
    }
    const TParagraph& closing = rtf.Paragraphs.back();
    EXPECT_TRUE(closing.Centred);
    EXPECT_NE(closing.Text.find("luck"), std::string::npos);
}

// The German and Russian documents are the same document in their language: the same form,
// the same sections in the same order, the facts a player needs (the port, the file name).
TEST(RulesText, TheTranslationsHaveTheSameFormInTheirLanguage)
{
    const std::vector<std::pair<const char*, std::vector<std::string>>> translations {
        { "RULERS_TEXT_DE",
            { "<U+220>ber das Spiel.", "Die Spielregeln.", "Der Beginn und der Ablauf des Spiels.",
                "Wie spielt man?", "Netzwerkspiel." } },
        { "RULERS_TEXT_RU",
            { "\xCE\xE1 \xE8\xE3\xF0\xE5.", "\xCF\xF0\xE0\xE2\xE8\xEB\xE0 \xE8\xE3\xF0\xFB.",
                "\xCD\xE0\xF7\xE0\xEB\xEE \xE8 \xEF\xEE\xF0\xFF\xE4\xEE\xEA \xE8\xE3\xF0\xFB.",
                "\xCA\xE0\xEA \xE8\xE3\xF0\xE0\xF2\xFC?",
                "\xD1\xE5\xF2\xE5\xE2\xE0\xFF \xE8\xE3\xF0\xE0." } },
    };
    const TRtf english = ReadRtf(Document()).Value();
    for (const auto& [name, headings] : translations) {
        const std::vector<std::uint8_t> bytes = Generated(name);
        const std::string doc(bytes.begin(), bytes.end());
        for (unsigned char c : doc)
            ASSERT_LT(c, 0x80) << name;
        const TRtf rtf = ReadRtf(doc).Value();
        EXPECT_EQ(rtf.Depth, 0) << name;
        EXPECT_EQ(rtf.Paragraphs.size(), english.Paragraphs.size()) << name;
        std::vector<std::string> found;
        for (std::size_t p = 1; p + 1 < rtf.Paragraphs.size(); ++p)
            if (rtf.Paragraphs[p].Centred)
                found.push_back(rtf.Paragraphs[p].Text);
        EXPECT_EQ(found, headings) << name;
        EXPECT_NE(doc.find("8173"), std::string::npos) << name;
        EXPECT_NE(doc.find("reversi.ini"), std::string::npos) << name;
    }
    // A letter code page 1251 has no byte for is written as \\uN, with a fallback.
    const std::vector<std::uint8_t> german = Generated("RULERS_TEXT_DE");
    EXPECT_NE(std::string(german.begin(), german.end()).find("\\u252?"), std::string::npos); // ü
}

} // namespace
