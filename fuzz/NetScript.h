// The script the network harness plays: each step is what a socket, a timer or the user does to
// the network session, with its data. Written by the seed writer with the program's own encoders,
// read by the harness, where any bytes are a script.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class NetStep : std::uint8_t {
    Accept, // a connection comes in on the listening socket
    Receive, // connection index, length (255: a flood), bytes
    HangUp, // connection index: the peer closes it
    TimeOut, // connection index: its handshake time is up
    Call, // flags (bit 0 Yellow, bit 1 8 × 8, bit 2 the socket cannot open)
    CallConnects,
    CallFails,
    CallReceives, // length, bytes
    CallHangsUp,
    UserDisconnects,
    UserChats, // length, bytes
    UserAsksBoard,
    Count,
};

// A modal dialog reads one byte when it opens: bit 0 accepts a call, bits 1-2 are how many steps
// run inside it.
inline std::uint8_t DialogByte(bool accept, int stepsInside)
{
    return std::uint8_t((accept ? 1 : 0) | (stepsInside & 3) << 1);
}

class NetScriptWriter {
public:
    NetScriptWriter& Step(NetStep step)
    {
        Bytes += char(step);
        return *this;
    }
    NetScriptWriter& Byte(std::uint8_t b)
    {
        Bytes += char(b);
        return *this;
    }
    // Data of at most 254 bytes a step, in as many steps as it takes.
    NetScriptWriter& Data(NetStep step, int connection, std::string_view data)
    {
        do {
            const std::string_view part = data.substr(0, 254);
            Step(step);
            if (connection >= 0)
                Byte(std::uint8_t(connection));
            Byte(std::uint8_t(part.size()));
            Bytes += part;
            data.remove_prefix(part.size());
        } while (!data.empty());
        return *this;
    }
    const std::string& Script() const { return Bytes; }

private:
    std::string Bytes;
};
