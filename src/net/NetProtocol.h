// The network game's wire format: the ten messages and their fields, the text encoding of names
// and chat, and the reader that cuts the received byte stream into messages. Qt-free; used by the
// sockets (framing) and by the main window's protocol handlers (encoding and decoding).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The first byte of each message names it.
constexpr char MsgCall = 'B'; // caller: "B", colour letter, size letter, computer name
constexpr char MsgAccept = 'Y'; // callee: the call is accepted
constexpr char MsgRefuse = 'N'; // callee: the call is declined
constexpr char MsgBusy = 'A'; // callee: already connected to someone else
constexpr char MsgGo = 'G'; // caller: start the game
constexpr char MsgRestart = 'R'; // either: a new game with the agreed terms
constexpr char MsgMove = 'M'; // either: "M", column digit, row digit
constexpr char MsgChat = 'T'; // either: "T" and the chat text
constexpr char MsgBoardRequest = 'F'; // either: send me your board
constexpr char MsgBoard = 'D'; // either: "D" and one letter per square

// Corvana ends every text it sends (the name in a call, a chat text) with a zero byte, which a peer
// that reads C strings ignores; a callee's acceptance is "Y" and a zero byte. On receipt a zero
// byte ends a text; without one, the rest of the read is the text, as older peers send it.
constexpr char TextEnd = '\0';

// Limits of what is sent and of what is accepted from the peer.
constexpr std::size_t MaxComputerNameChars = 15; // the computer name a caller sends
constexpr std::size_t MaxCallerNameChars = 31; // what a callee keeps of it
constexpr std::size_t MaxChatChars = 1000; // a chat text, either way
constexpr std::size_t MaxBoardLetters = 100; // the 10 × 10 board
// One read larger than this is not a peer playing the game: the connection is dropped.
constexpr std::size_t MaxPendingBytes = 64 * 1024;

// A board coordinate (0..9) as one wire character, and back; anything but a digit reads as 0.
char CoordToChar(int value);
int CharToCoord(char c);

// Messages with content. Texts are given as UTF-8 and sent in code page 1251 when they fit in it
// (what every peer reads), otherwise as UTF-8 (which Corvana reads too), each with its end mark.
std::string EncodeCall(bool callerYellow, bool size8, std::string_view computerName);
std::string EncodeMove(int col, int row);
std::string EncodeChat(std::string_view text);
std::string EncodeBoard(std::string_view boardText);
std::string EncodeAccept(); // "Y" and the end mark that tells the caller texts end with one

// UTF-8 text as it goes on the wire: code page 1251 when every character has a byte there.
std::string TextToWire(std::string_view utf8);

// What a received MsgCall proposes. Only "W" makes the caller Yellow and only "8" makes the board
// 8 × 8, so missing or strange letters mean a Green caller on 10 × 10.
struct CallTerms {
    bool CallerYellow = false;
    bool Size8 = false;
    std::string Name; // UTF-8, cleaned, at most MaxCallerNameChars characters
};
CallTerms DecodeCall(std::string_view message);

struct MoveCoords {
    int Col = 0;
    int Row = 0;
};
// A short message counts each missing digit as 0.
MoveCoords DecodeMove(std::string_view message);

// The chat text of a received MsgChat, cleaned and cut to MaxChatChars characters.
std::string DecodeChat(std::string_view message);

// A received MsgBoard with its "D", cut to MaxBoardLetters letters.
std::string DecodeBoard(std::string_view message);

// Received text as UTF-8: unchanged when it is valid UTF-8, otherwise read as code page 1251
// (what older copies send).
std::string TextFromWire(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);
std::string Cp1251ToUtf8(std::string_view bytes);

// Keeps at most maxChars characters of valid UTF-8 text, turns control characters (line breaks,
// tabs, escapes) into spaces and drops the characters that reorder text (bidirectional
// embeddings, overrides and isolates), so that a received text stays one line of plain text that
// reads as it is.
std::string CleanText(std::string_view utf8, std::size_t maxChars);

// The address typed in the call dialog: a host name or dotted IPv4 address, optionally followed
// by ":" and a port (for a copy listening on another port, such as a second copy on the same
// machine). Without a port the call goes to defaultPort. False when the address is empty or the
// port is not a number from 1 to 65535.
struct CallTarget {
    std::string Host;
    int Port = 0;
};
bool ParseCallAddress(std::string_view address, int defaultPort, CallTarget& target);

// Cuts the bytes of one connection into messages. A fixed-length message ("Y", "N", "A", "G",
// "R", "F" one byte, "M" three, "D" one and the letters of the game's board once they are known)
// is taken off the front and what follows is the next message; an incomplete one waits for the
// rest of its bytes. "B" waits for its colour and size letters. A text ("B"'s name, "T"'s chat)
// ends at a zero byte (which is not part of the message); without one it is the rest of what has
// arrived, unless the peer has shown that it ends its texts, in which case the text waits for its
// zero. Any unknown letter takes the rest of what has arrived.
class TMessageReader {
public:
    // Appends what one read delivered and adds the complete messages to messages. Returns false,
    // holding nothing, when the read brings more than MaxPendingBytes.
    bool Feed(std::string_view bytes, std::vector<std::string>& messages);
    // Bytes of an incomplete message, waiting for the rest.
    std::size_t Pending() const { return Held.size(); }
    void Clear() { Held.clear(); }
    // "D" carries this many letters (the square count of the game's board); 0: unknown yet.
    void SetBoardLetters(std::size_t letters) { BoardLetters = letters; }
    // The peer has ended a text with a zero byte (or sent one after "Y").
    bool PeerEndsTexts() const { return EndsTexts; }

private:
    std::string Held;
    std::size_t BoardLetters = 0;
    bool EndsTexts = false;
};
