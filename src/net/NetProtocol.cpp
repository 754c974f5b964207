// Encoding and decoding of the network messages, the text conversion and the stream reader.
#include "NetProtocol.h"

#include "CodePage1251.h"

#include <array>
#include <cstdint>

namespace {


// Length of the UTF-8 sequence starting at bytes[i], or 0 when it is not a well-formed one
// (overlong forms, surrogates and values above U+10FFFF are not).
std::size_t SequenceLength(std::string_view bytes, std::size_t i)
{
    const auto b = [&](std::size_t k) { return std::uint8_t(bytes[k]); };
    const std::uint8_t lead = b(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    if (b(i + 1) < low || b(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (b(i + k) < 0x80 || b(i + k) > 0xBF)
            return 0;
    return length;
}

// U+202A..U+202E (embeddings and overrides) and U+2066..U+2069 (isolates): characters that
// reorder the text around them, so a name could pretend to be something else.
bool IsDirectionControl(std::string_view sequence)
{
    if (sequence.size() != 3 || std::uint8_t(sequence[0]) != 0xE2)
        return false;
    const auto b1 = std::uint8_t(sequence[1]), b2 = std::uint8_t(sequence[2]);
    return (b1 == 0x80 && b2 >= 0xAA && b2 <= 0xAE) || (b1 == 0x81 && b2 >= 0xA6 && b2 <= 0xA9);
}

// The text of a message field: up to its end mark when it has one.
std::string_view UpToTextEnd(std::string_view text)
{
    return text.substr(0, text.find(TextEnd));
}

// Decodes well-formed UTF-8 into characters; false when it is not well formed.
bool Utf8Characters(std::string_view utf8, std::u32string& out)
{
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = SequenceLength(utf8, i);
        if (length == 0)
            return false;
        const auto b = [&](std::size_t k) { return char32_t(std::uint8_t(utf8[i + k])); };
        char32_t c = length == 1 ? b(0)
            : length == 2        ? (b(0) & 0x1F) << 6 | (b(1) & 0x3F)
            : length == 3        ? (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F)
                                 : (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6
                    | (b(3) & 0x3F);
        out += c;
        i += length;
    }
    return true;
}

// Bytes of a fixed-length message, or 0 for the messages that take the rest of the read.
std::size_t FixedLength(char letter)
{
    switch (letter) {
    case MsgAccept:
    case MsgRefuse:
    case MsgBusy:
    case MsgGo:
    case MsgRestart:
    case MsgBoardRequest:
        return 1;
    case MsgMove:
        return 3;
    default:
        return 0;
    }
}

} // namespace

char CoordToChar(int value) { return value >= 0 && value <= 9 ? char('0' + value) : '0'; }

int CharToCoord(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

std::string EncodeCall(bool callerYellow, bool size8, std::string_view computerName)
{
    std::string message { MsgCall, callerYellow ? 'W' : 'B', size8 ? '8' : '0' };
    // The name as the system reports it, at most 15 characters, never a broken character.
    message += TextToWire(CleanText(TextFromWire(computerName), MaxComputerNameChars));
    message += TextEnd;
    return message;
}

std::string EncodeMove(int col, int row) { return { MsgMove, CoordToChar(col), CoordToChar(row) }; }

std::string EncodeChat(std::string_view text)
{
    std::string message(1, MsgChat);
    message += TextToWire(CleanText(text, MaxChatChars));
    message += TextEnd;
    return message;
}

std::string EncodeAccept() { return { MsgAccept, TextEnd }; }

std::string EncodeBoard(std::string_view boardText)
{
    std::string message(1, MsgBoard);
    message += boardText;
    return message;
}

CallTerms DecodeCall(std::string_view message)
{
    CallTerms terms;
    terms.CallerYellow = message.size() > 1 && message[1] == 'W';
    terms.Size8 = message.size() > 2 && message[2] == '8';
    if (message.size() > 3)
        terms.Name = CleanText(TextFromWire(UpToTextEnd(message.substr(3))), MaxCallerNameChars);
    return terms;
}

MoveCoords DecodeMove(std::string_view message)
{
    MoveCoords m;
    m.Col = message.size() > 1 ? CharToCoord(message[1]) : 0;
    m.Row = message.size() > 2 ? CharToCoord(message[2]) : 0;
    return m;
}

std::string DecodeChat(std::string_view message)
{
    if (message.size() <= 1)
        return {};
    return CleanText(TextFromWire(UpToTextEnd(message.substr(1))), MaxChatChars);
}

std::string DecodeBoard(std::string_view message)
{
    return std::string(message.substr(0, 1 + MaxBoardLetters));
}

std::string TextToWire(std::string_view utf8)
{
    std::u32string chars;
    if (!Utf8Characters(utf8, chars))
        return std::string(utf8);
    std::string cp1251;
    for (const char32_t c : chars) {
        const std::uint8_t b = Cp1251FromUnicode(c);
        if (b == 0 || c == 0)
            return std::string(utf8); // not in the code page: UTF-8, which the receiver takes too
        cp1251 += char(b);
    }
    return cp1251;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = SequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string Cp1251ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = std::uint8_t(c);
        AppendUtf8(out, UnicodeFromCp1251(byte));
    }
    return out;
}

std::string TextFromWire(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes);
}

std::string CleanText(std::string_view utf8, std::size_t maxChars)
{
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size() && chars < maxChars; ++chars) {
        std::size_t length = SequenceLength(utf8, i);
        if (length == 0) { // not UTF-8 after all: one replacement character for the byte
            AppendUtf8(out, 0xFFFD);
            ++i;
            continue;
        }
        const auto lead = std::uint8_t(utf8[i]);
        const bool c0 = lead < 0x20 || lead == 0x7F;
        // C1 controls (U+0080..U+009F) are C2 80..C2 9F.
        const bool c1 = length == 2 && lead == 0xC2 && std::uint8_t(utf8[i + 1]) < 0xA0;
        if (IsDirectionControl(utf8.substr(i, length)))
            --chars; // dropped: it would turn the rest of the line around
        else if (c0 || c1)
            out += ' ';
        else
            out.append(utf8.substr(i, length));
        i += length;
    }
    return out;
}

bool ParseCallAddress(std::string_view address, int defaultPort, CallTarget& target)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!address.empty() && isSpace(address.front()))
        address.remove_prefix(1);
    while (!address.empty() && isSpace(address.back()))
        address.remove_suffix(1);
    std::string_view host = address;
    int port = defaultPort;
    if (const std::size_t colon = address.rfind(':'); colon != std::string_view::npos) {
        const std::string_view digits = address.substr(colon + 1);
        if (digits.empty() || digits.size() > 5)
            return false;
        port = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9')
                return false;
            port = port * 10 + (c - '0');
        }
        host = address.substr(0, colon);
    }
    if (host.empty() || host.find(':') != std::string_view::npos || port < 1 || port > 65535)
        return false;
    target.Host = std::string(host);
    target.Port = port;
    return true;
}

bool TMessageReader::Feed(std::string_view bytes, std::vector<std::string>& messages)
{
    if (bytes.size() > MaxPendingBytes || Held.size() + bytes.size() > MaxPendingBytes) {
        Held.clear();
        return false;
    }
    Held.append(bytes);
    std::size_t at = 0;
    while (at < Held.size()) {
        const char letter = Held[at];
        if (letter == TextEnd) {
            // An end mark where a message begins (after "Y"): the peer ends its texts.
            EndsTexts = true;
            ++at;
            continue;
        }
        std::size_t length = FixedLength(letter);
        if (letter == MsgBoard && BoardLetters > 0)
            length = 1 + BoardLetters;
        if (letter == MsgCall || letter == MsgChat) {
            const std::size_t header = letter == MsgCall ? 3 : 1;
            if (at + header > Held.size())
                break; // the colour and size letters are still on their way
            const std::size_t end = Held.find(TextEnd, at + header);
            if (end != std::string::npos) {
                EndsTexts = true;
                messages.emplace_back(Held.substr(at, end - at));
                at = end + 1;
                continue;
            }
            if (EndsTexts)
                break; // this peer ends its texts: the rest of this one is on its way
            length = 0;
        }
        if (length == 0) { // the rest of what has arrived is this message
            messages.emplace_back(Held.substr(at));
            at = Held.size();
            break;
        }
        if (at + length > Held.size())
            break; // the rest of it is still on its way
        messages.emplace_back(Held.substr(at, length));
        at += length;
    }
    Held.erase(0, at);
    return true;
}
