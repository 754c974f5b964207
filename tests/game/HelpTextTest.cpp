// The keys are written once, in the program's help, and the README's key table and the manual
// page list the same ones in the same order; every key is one the menus or the board answer.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "HelpText.h"

namespace {

std::string SourceFile(const std::string& name)
{
    std::ifstream in(std::string(CORVANA_SOURCE_DIR) + "/" + name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> HelpKeyTexts()
{
    std::vector<std::string> keys;
    for (const HelpKey& k : HelpKeys())
        keys.emplace_back(k.Keys);
    return keys;
}

// The first column of the README's key table, in order.
std::vector<std::string> ReadmeKeys()
{
    std::vector<std::string> keys;
    bool inTable = false;
    for (const std::string& line : Lines(SourceFile("README.md"))) {
        if (line == "| key | command |") {
            inTable = true;
            continue;
        }
        if (!inTable)
            continue;
        if (line.empty() || line[0] != '|')
            break;
        if (line.rfind("|---", 0) == 0)
            continue;
        const std::size_t end = line.find(" |", 2);
        keys.push_back(line.substr(2, end - 2));
    }
    return keys;
}

// The tagged lines of the manual page's KEYS section, in order.
std::vector<std::string> ManualKeys()
{
    std::vector<std::string> keys;
    bool inKeys = false, tagNext = false;
    for (const std::string& line : Lines(SourceFile("packaging/corvana.6"))) {
        if (line.rfind(".SH", 0) == 0) {
            inKeys = line == ".SH KEYS";
            continue;
        }
        if (!inKeys)
            continue;
        if (line == ".TP") {
            tagNext = true;
            continue;
        }
        if (tagNext)
            keys.push_back(line);
        tagNext = false;
    }
    return keys;
}

} // namespace

TEST(HelpText, TheReadmeAndTheManualListTheKeysOfTheHelp)
{
    const std::vector<std::string> help = HelpKeyTexts();
    ASSERT_GE(help.size(), 10u);
    EXPECT_EQ(ReadmeKeys(), help);
    EXPECT_EQ(ManualKeys(), help);
}

TEST(HelpText, EveryRowAndTopicSaysSomething)
{
    for (const HelpKey& k : HelpKeys())
        EXPECT_GT(std::string(k.What).size(), 4u) << k.Keys;
    // What the issue of a newcomer names is all there: the engines, the move list, take-back,
    // text games, the clipboard, resuming, the Extras.
    std::string topics;
    for (const HelpTopic& t : HelpTopics())
        topics += std::string(t.Title) + " " + t.Text + "\n";
    for (const char* what : { "master", "move list", "Take back", "transcripts", "GGF", "clipboard",
             "Resume last game", "Extras", "F11" })
        EXPECT_NE(topics.find(what), std::string::npos) << what;
}
