// The wire format: coordinates, the call and chat messages with their text rules, the board
// message, the call address, and the reader that cuts a TCP stream into messages however the
// stream was split or joined.
#include <gtest/gtest.h>

#include "NetProtocol.h"

namespace {

std::vector<std::string> FeedAll(TMessageReader& reader, std::initializer_list<std::string> reads)
{
    std::vector<std::string> messages;
    for (const std::string& read : reads)
        EXPECT_TRUE(reader.Feed(read, messages));
    return messages;
}

using Messages = std::vector<std::string>;

// A text as Corvana sends it: followed by its end mark.
std::string Ended(std::string text)
{
    text += TextEnd;
    return text;
}

// prefix followed by count copies of fill (built by appending: GCC 12 warns falsely about
// "literal" + std::string(...)).
std::string Repeat(std::string prefix, std::size_t count, char fill)
{
    prefix.append(count, fill);
    return prefix;
}

} // namespace

TEST(NetProtocol, MovesOnTheWire)
{
    EXPECT_EQ(EncodeMove(0, 0), "M00");
    EXPECT_EQ(EncodeMove(5, 3), "M53");
    EXPECT_EQ(EncodeMove(9, 9), "M99");
    for (int v = 0; v <= 9; ++v)
        EXPECT_EQ(CharToCoord(CoordToChar(v)), v);
    // Anything but a digit reads as 0, including bytes above 127.
    for (int c = -128; c < 128; ++c) {
        if (c < '0' || c > '9') {
            EXPECT_EQ(CharToCoord(char(c)), 0) << c;
        }
    }

    const MoveCoords x5 = DecodeMove("MX5");
    EXPECT_EQ(x5.Col, 0);
    EXPECT_EQ(x5.Row, 5);
    const MoveCoords shortMove = DecodeMove("M7");
    EXPECT_EQ(shortMove.Col, 7);
    EXPECT_EQ(shortMove.Row, 0);
    EXPECT_EQ(DecodeMove("M").Col, 0);
}

TEST(NetProtocol, CallMessageAndWhatTheCalleeReadsFromIt)
{
    EXPECT_EQ(EncodeCall(true, false, "HOST"), Ended("BW0HOST"));
    EXPECT_EQ(EncodeCall(false, true, "box"), Ended("BB8box"));
    EXPECT_EQ(EncodeCall(true, true, ""), Ended("BW8"));
    // At most 15 characters of the name, and never half a character; in code page 1251 when the
    // name fits in it, as every peer reads it.
    EXPECT_EQ(EncodeCall(true, true, "a-very-long-computer-name"), Ended("BW8a-very-long-com"));
    EXPECT_EQ(EncodeCall(true, true, "ДлинноеИмяКомпьютера"),
        Ended("BW8\xC4\xEB\xE8\xED\xED\xEE\xE5\xC8\xEC\xFF\xCA\xEE\xEC\xEF\xFC"));
    EXPECT_EQ(DecodeCall(EncodeCall(true, true, "ДлинноеИмяКомпьютера")).Name, "ДлинноеИмяКомпь");
    // The end mark closes the name.
    EXPECT_EQ(DecodeCall(Ended("BW8box") + "G").Name, "box");

    const CallTerms yellow10 = DecodeCall("BW0HOST");
    EXPECT_TRUE(yellow10.CallerYellow);
    EXPECT_FALSE(yellow10.Size8);
    EXPECT_EQ(yellow10.Name, "HOST");
    const CallTerms green8 = DecodeCall("BB8box");
    EXPECT_FALSE(green8.CallerYellow);
    EXPECT_TRUE(green8.Size8);

    // Only "W" and "8" count; other or missing letters mean Green on 10 × 10.
    for (const char* odd : { "Bw8", "BX9x", "B", "" }) {
        const CallTerms t = DecodeCall(odd);
        EXPECT_FALSE(t.CallerYellow) << odd;
        EXPECT_TRUE(t.Name.empty() || std::string(odd) == "BX9x") << odd;
    }
    EXPECT_FALSE(DecodeCall("BW").Size8);
    EXPECT_FALSE(DecodeCall("BX9x").Size8);
    EXPECT_EQ(DecodeCall("BX9x").Name, "x");

    // The callee keeps 31 characters of a longer name.
    const std::string longName(40, 'n');
    EXPECT_EQ(DecodeCall("BW8" + longName).Name, std::string(31, 'n'));
    const CallTerms cyrillic = DecodeCall(Repeat("BW8", 20, '\xC6')); // cp1251 "Ж"
    std::string expected;
    for (int i = 0; i < 20; ++i)
        expected += "Ж";
    EXPECT_EQ(cyrillic.Name, expected);
}

TEST(NetProtocol, ReceivedTextIsPlainOneLineAndCut)
{
    EXPECT_EQ(EncodeChat(""), Ended("T"));
    EXPECT_EQ(EncodeChat("hello"), Ended("Thello"));
    EXPECT_EQ(DecodeChat(EncodeChat("hello")), "hello");
    EXPECT_EQ(DecodeChat("T"), "");
    EXPECT_EQ(DecodeChat("Thello"), "hello");
    // Markup stays text; line breaks, tabs and escapes become spaces.
    EXPECT_EQ(DecodeChat("T<b>bold</b> & <img src=x>"), "<b>bold</b> & <img src=x>");
    EXPECT_EQ(DecodeChat("Ta\nb\r\tc\x1b[31md\x7f"), "a b  c [31md ");
    // C1 controls (valid UTF-8) are controls too.
    EXPECT_EQ(DecodeChat("Tx\xC2\x85y"), "x y");
    // Characters that reorder the text (overrides, embeddings, isolates) are dropped, so a text
    // reads as it was written.
    EXPECT_EQ(DecodeChat("Tgood \xE2\x80\xAE"
                         "evil\xE2\x80\xAC game"),
        "good evil game");
    EXPECT_EQ(DecodeChat("Ta\xE2\x80\xAA"
                         "b\xE2\x81\xA6"
                         "c\xE2\x81\xA9"
                         "d"),
        "abcd");
    EXPECT_EQ(DecodeCall("BW8\xE2\x80\xAE"
                         "nimda")
                  .Name,
        "nimda");
    // Neighbours of those characters stay.
    EXPECT_EQ(DecodeChat("T\xE2\x80\xA9\xE2\x81\xAA"), "\xE2\x80\xA9\xE2\x81\xAA");
    EXPECT_EQ(DecodeChat(Repeat("T", 5000, 'z')).size(), MaxChatChars);
    std::string manyCyrillic;
    for (int i = 0; i < 1200; ++i)
        manyCyrillic += "я";
    EXPECT_EQ(DecodeChat("T" + manyCyrillic), manyCyrillic.substr(0, 2 * MaxChatChars));
}

TEST(NetProtocol, TextGoesOutInCodePage1251WhenItFits)
{
    EXPECT_EQ(TextToWire("plain ASCII"), "plain ASCII");
    EXPECT_EQ(TextToWire("Привет, €"), "\xCF\xF0\xE8\xE2\xE5\xF2, \x88");
    // One character the code page lacks sends the whole text as UTF-8.
    EXPECT_EQ(TextToWire("Привет 日本"), "Привет 日本");
    // Whatever goes out reads back the same.
    for (const char* text : { "plain", "Ёлка №5", "Grüße", "日本語", "" })
        EXPECT_EQ(TextFromWire(TextToWire(text)), text) << text;
}

TEST(NetProtocol, TextThatIsNotUtf8IsReadAsCodePage1251)
{
    EXPECT_EQ(TextFromWire("plain ASCII"), "plain ASCII");
    EXPECT_EQ(TextFromWire("Привет, €"), "Привет, €");
    EXPECT_EQ(TextFromWire("\xCF\xF0\xE8\xE2\xE5\xF2"), "Привет");
    EXPECT_EQ(TextFromWire("\xA8\xB8\xB9\x88"), "Ёё№€");
    EXPECT_EQ(TextFromWire("\x98"), "\xEF\xBF\xBD"); // unassigned in 1251
    // Not UTF-8: overlong forms, surrogates, values beyond U+10FFFF, cut sequences.
    for (const char* bad : { "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
             "\xF5\x80\x80\x80", "\xD0", "ok\xE2\x82" }) {
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
        EXPECT_TRUE(IsValidUtf8(TextFromWire(bad))) << bad;
    }
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80\xEF\xBF\xBF"));
    EXPECT_EQ(TextFromWire("\xC0\xAF"), "АЇ");
}

TEST(NetProtocol, BoardMessage)
{
    EXPECT_EQ(EncodeBoard("++wb"), "D++wb");
    EXPECT_EQ(DecodeBoard(Repeat("D", 64, '+')).size(), 65u);
    EXPECT_EQ(DecodeBoard(Repeat("D", 500, 'w')).size(), 1 + MaxBoardLetters);
    EXPECT_EQ(DecodeBoard("D"), "D");
}

TEST(NetProtocol, CallAddress)
{
    CallTarget t;
    ASSERT_TRUE(ParseCallAddress("OTHERBOX", 8173, t));
    EXPECT_EQ(t.Host, "OTHERBOX");
    EXPECT_EQ(t.Port, 8173);
    ASSERT_TRUE(ParseCallAddress("  192.168.1.7:8174 ", 8173, t));
    EXPECT_EQ(t.Host, "192.168.1.7");
    EXPECT_EQ(t.Port, 8174);
    ASSERT_TRUE(ParseCallAddress("LOCALHOST:65535", 1, t));
    EXPECT_EQ(t.Port, 65535);
    for (const char* bad : { "", "   ", ":8173", "HOST:", "HOST:0", "HOST:65536", "HOST:123456",
             "HOST:80a", "::1", "HOST:-5" })
        EXPECT_FALSE(ParseCallAddress(bad, 8173, t)) << bad;
}

TEST(NetProtocol, FixedLengthMessagesAreTakenOffTheFront)
{
    TMessageReader reader;
    EXPECT_EQ(FeedAll(reader, { "YG" }), (Messages { "Y", "G" }));
    EXPECT_EQ(FeedAll(reader, { "RM53FAN" }), (Messages { "R", "M53", "F", "A", "N" }));
    // A move that follows a move in the same read is not lost.
    EXPECT_EQ(FeedAll(reader, { "M00M99" }), (Messages { "M00", "M99" }));
    // A message with text ends the read: the rest belongs to it.
    EXPECT_EQ(FeedAll(reader, { "GThi M12" }), (Messages { "G", "Thi M12" }));
    EXPECT_EQ(FeedAll(reader, { "FD++wb" }), (Messages { "F", "D++wb" }));
    EXPECT_EQ(FeedAll(reader, { "BW0HOST" }), (Messages { "BW0HOST" }));
    // An unknown letter takes the rest too, so garbage is never read as moves.
    EXPECT_EQ(FeedAll(reader, { "Z M12 R" }), (Messages { "Z M12 R" }));
    EXPECT_EQ(FeedAll(reader, { "R\xFFM12" }), (Messages { "R", "\xFFM12" }));
    EXPECT_EQ(reader.Pending(), 0u);
    EXPECT_TRUE(FeedAll(reader, { "" }).empty());
}

TEST(NetProtocol, TextsEndAtTheirEndMark)
{
    // A chat and a move in one read: both arrive.
    TMessageReader reader;
    EXPECT_EQ(FeedAll(reader, { Ended("Tgood luck") + "M12" }), (Messages { "Tgood luck", "M12" }));
    EXPECT_TRUE(reader.PeerEndsTexts());
    // Having seen that, a chat split over two reads waits for its end instead of reading its
    // tail as commands ("Ready?" would restart the game).
    EXPECT_TRUE(FeedAll(reader, { "Tgood luck. " }).empty());
    EXPECT_EQ(FeedAll(reader, { Ended("Ready?") + "R" }), (Messages { "Tgood luck. Ready?", "R" }));

    // A call whose name ends with the mark; the callee's "Y" and its mark tell the caller.
    TMessageReader callee;
    EXPECT_EQ(FeedAll(callee, { Ended("BW8box") + "G" }), (Messages { "BW8box", "G" }));
    TMessageReader caller;
    EXPECT_FALSE(caller.PeerEndsTexts());
    EXPECT_EQ(FeedAll(caller, { EncodeAccept() }), (Messages { "Y" }));
    EXPECT_TRUE(caller.PeerEndsTexts());

    // A peer that never ends its texts is read as before: the rest of the read is the text.
    TMessageReader old;
    EXPECT_EQ(FeedAll(old, { "Thi M12", "R" }), (Messages { "Thi M12", "R" }));
    EXPECT_FALSE(old.PeerEndsTexts());
}

TEST(NetProtocol, ACallWaitsForItsTermsAndABoardForItsLetters)
{
    // Byte by byte, the colour and size letters are not lost.
    TMessageReader reader;
    EXPECT_TRUE(FeedAll(reader, { "B", "W" }).empty());
    EXPECT_EQ(FeedAll(reader, { "8" }), (Messages { "BW8" }));
    EXPECT_EQ(DecodeCall("BW8").CallerYellow, true);
    EXPECT_EQ(DecodeCall("BW8").Size8, true);
    // Before a peer has shown that it ends its texts, a name is what its read brought.
    EXPECT_EQ(FeedAll(reader, { "BB0bo" }), (Messages { "BB0bo" }));
    // Afterwards a name arrives whole however it is split.
    EXPECT_EQ(FeedAll(reader, { Ended("BB0x"), "BB0bo", Ended("x") }),
        (Messages { "BB0x", "BB0box" }));

    // "D" takes exactly the letters of the game's board, waiting for the rest.
    reader.SetBoardLetters(64);
    const std::string board = Repeat("D", 64, '+');
    EXPECT_TRUE(FeedAll(reader, { board.substr(0, 30) }).empty());
    EXPECT_EQ(FeedAll(reader, { board.substr(30) + "FM53" }), (Messages { board, "F", "M53" }));
}

TEST(NetProtocol, AnIncompleteMessageWaitsForTheRestOfItsBytes)
{
    TMessageReader reader;
    EXPECT_EQ(FeedAll(reader, { "M", "5", "3" }), (Messages { "M53" }));
    std::vector<std::string> messages;
    ASSERT_TRUE(reader.Feed("RM4", messages));
    EXPECT_EQ(messages, (Messages { "R" }));
    EXPECT_EQ(reader.Pending(), 2u);
    ASSERT_TRUE(reader.Feed("2Thello", messages));
    EXPECT_EQ(messages, (Messages { "R", "M42", "Thello" }));
    EXPECT_EQ(reader.Pending(), 0u);
}

TEST(NetProtocol, ReadsBeyondTheLimitAreRefused)
{
    TMessageReader reader;
    std::vector<std::string> messages;
    EXPECT_TRUE(reader.Feed(Repeat("T", MaxPendingBytes - 1, 'x'), messages));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].size(), MaxPendingBytes);
    messages.clear();
    EXPECT_FALSE(reader.Feed(Repeat("T", MaxPendingBytes, 'x'), messages));
    EXPECT_TRUE(messages.empty());
    // Held bytes count: a waiting "M" and a full read are one byte too many.
    EXPECT_TRUE(reader.Feed("M", messages));
    EXPECT_FALSE(reader.Feed(std::string(MaxPendingBytes, '1'), messages));
    EXPECT_EQ(reader.Pending(), 0u);
    EXPECT_TRUE(messages.empty());
}
