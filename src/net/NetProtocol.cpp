// Encoding and decoding of the network messages, the text conversion and the stream reader.
#include "NetProtocol.h"

#include <array>
#include <cstdint>

namespace {

// Windows-1251 (Cyrillic), bytes 0x80 to 0xFF; 0x98 is unassigned.
constexpr std::array<char16_t, 128> Cp1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, //
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, //
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, //
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, //
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, //
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, //
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, //
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, //
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, //
};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

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
    message += CleanText(TextFromWire(computerName), MaxComputerNameChars);
    return message;
}

std::string EncodeMove(int col, int row) { return { MsgMove, CoordToChar(col), CoordToChar(row) }; }

std::string EncodeChat(std::string_view text)
{
    std::string message(1, MsgChat);
    message += text;
    return message;
}

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
        terms.Name = CleanText(TextFromWire(message.substr(3)), MaxCallerNameChars);
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
    return CleanText(TextFromWire(message.substr(1)), MaxChatChars);
}

std::string DecodeBoard(std::string_view message)
{
    return std::string(message.substr(0, 1 + MaxBoardLetters));
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
        AppendUtf8(out, byte < 0x80 ? char32_t(byte) : char32_t(Cp1251[byte - 0x80]));
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
        if (c0 || c1)
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
        const std::size_t length = FixedLength(Held[at]);
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
