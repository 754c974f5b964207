// Seeds from the program's writers.
#include "SeedCorpus.h"

#include "BoardTracker.h"
#include "GgfGame.h"
#include "LzhEncoder.h"
#include "MoveRules.h"
#include "NetProtocol.h"
#include "NetScript.h"
#include "Notation.h"
#include "ProfileFile.h"
#include "RoutineTable.h"

namespace {

// A whole game played by a fixed rule (the pick-th legal square in the search's order, counted
// round), passes included, cut after at most limit moves.
OBoardTracker PlayedGame(int size, int pick, int limit)
{
    const RoutineTable& rules = RoutinesFor(size);
    const SquareOrder order = MoveOrderFor(size);
    Board board = StartBoard(size);
    int side = SideYellow, other = SideGreen;
    std::vector<int> moves;
    for (int passes = 0; passes < 2 && int(moves.size()) < limit;) {
        std::vector<int> legal;
        for (int i = 0; i < order.Length; ++i)
            if (rules.IsLegalMove(board, order.Squares[i], side, other))
                legal.push_back(order.Squares[i]);
        if (legal.empty()) {
            ++passes;
        } else {
            passes = 0;
            const int move = legal[(pick + moves.size()) % legal.size()];
            rules.MakeMove(board, move, side, other);
            moves.push_back(move);
        }
        std::swap(side, other);
    }
    return ReplayMoves(size, moves).Value();
}

std::vector<OBoardTracker> Games()
{
    std::vector<OBoardTracker> games;
    for (const int size : { 8, 10 })
        for (const auto& [pick, limit] :
            { std::pair { 0, 0 }, { 1, 3 }, { 2, 20 }, { 3, 1000 }, { 5, 1000 } })
            games.push_back(PlayedGame(size, pick, limit));
    return games;
}

std::vector<std::string> SavedGames()
{
    std::vector<std::string> seeds;
    bool computer = false;
    for (const OBoardTracker& game : Games()) {
        computer = !computer;
        const std::vector<std::uint8_t> bytes
            = EncodeSavedGame(game, { computer ? SideGreen : SideYellow, computer });
        seeds.emplace_back(bytes.begin(), bytes.end());
    }
    return seeds;
}

std::vector<std::string> Transcripts()
{
    std::vector<std::string> seeds;
    for (const OBoardTracker& game : Games()) {
        seeds.push_back(TranscriptOf(game) + "\n");
        // As people write them too: separated, upper case, with the passes.
        std::string spaced;
        for (const int move : MovesWithPasses(game))
            spaced += MoveText(game.Size, move) + (spaced.size() % 3 ? ", " : " ");
        seeds.push_back(spaced);
    }
    return seeds;
}

std::vector<std::string> GgfGames()
{
    std::vector<std::string> seeds;
    for (const OBoardTracker& game : Games())
        seeds.push_back(
            GgfOf(game, { "Corvana", "2026.01.02", "Yellow [me]", "Green \\ you", {} }));
    return seeds;
}

std::vector<std::string> Profiles()
{
    TProfileFile file;
    std::vector<std::string> seeds { file.Text() };
    file.SetString("options", "level", "5");
    file.SetString("options", "gamet", "computer");
    file.SetString("options", "engit", "mast");
    seeds.push_back(file.Text());
    file.SetString("net", "port", "8174");
    file.SetString("net", "service", "corvana");
    file.SetString("extras", "folder", "/home/player/Games; old");
    file.SetString("extras", "movelist", "show");
    seeds.push_back(file.Text());
    // What people and other programs leave in the file: comments, a byte-order mark, CRLF.
    seeds.push_back(
        "\xEF\xBB\xBF; mine\r\n[Options] ; kept\r\nLevel = 9\r\nlevel=2\r\n\r\n[other]\r\nx=y\r\n");
    return seeds;
}

std::string CalleeGame()
{
    NetScriptWriter s;
    s.Step(NetStep::Accept).Data(NetStep::Receive, 0, EncodeCall(true, true, "caller-pc"));
    s.Byte(DialogByte(true, 0)); // the request dialog: accepted
    std::string goAndMove(1, MsgGo);
    goAndMove += EncodeMove(3, 5);
    s.Data(NetStep::Receive, 0, goAndMove);
    s.Data(NetStep::Receive, 0, EncodeChat("hello, кто там?"));
    s.Byte(DialogByte(false, 1)); // the chat dialog, with a move arriving meanwhile
    s.Data(NetStep::Receive, 0, EncodeMove(4, 2));
    s.Step(NetStep::UserChats).Byte(2).Data(NetStep::Receive, 0, std::string(1, MsgBoardRequest));
    s.Data(NetStep::Receive, 0, EncodeBoard(std::string(64, '1')));
    s.Step(NetStep::UserAsksBoard).Data(NetStep::Receive, 0, std::string(1, MsgRestart));
    s.Step(NetStep::HangUp).Byte(0).Byte(DialogByte(false, 0));
    return s.Script();
}

std::string CallerGame()
{
    NetScriptWriter s;
    s.Step(NetStep::Call).Byte(3).Step(NetStep::CallConnects);
    s.Data(NetStep::CallReceives, -1, EncodeAccept());
    s.Data(NetStep::CallReceives, -1, EncodeMove(2, 3) + EncodeChat("gg"));
    s.Byte(DialogByte(false, 0));
    s.Data(NetStep::CallReceives, -1, EncodeBoard(std::string(64, '2')));
    s.Step(NetStep::Accept).Data(NetStep::Receive, 0, EncodeCall(false, false, "intruder"));
    s.Step(NetStep::CallHangsUp).Byte(DialogByte(false, 0));
    return s.Script();
}

std::string Refusals()
{
    NetScriptWriter s;
    s.Step(NetStep::Accept).Step(NetStep::Accept).Step(NetStep::TimeOut).Byte(1);
    s.Data(NetStep::Receive, 0, EncodeCall(false, true, "one"));
    s.Byte(DialogByte(false, 0)); // declined
    s.Step(NetStep::Call).Byte(1).Step(NetStep::CallConnects);
    s.Data(NetStep::CallReceives, -1, std::string(1, MsgBusy)).Byte(DialogByte(false, 0));
    s.Step(NetStep::Call).Byte(0).Step(NetStep::CallFails).Byte(DialogByte(false, 0));
    s.Step(NetStep::Call).Byte(4).Step(NetStep::Accept).Step(NetStep::Receive).Byte(0).Byte(255);
    return s.Script();
}

std::vector<std::string> Packed()
{
    std::vector<std::string> seeds;
    std::string text = "Yellow moves first; Green answers. ";
    std::string pattern;
    for (int i = 0; i < 600; ++i)
        pattern += char(i * i % 251);
    for (const std::string& raw : { std::string(), text, text + text + text, pattern }) {
        const std::vector<std::uint8_t> packed
            = LzhPack(std::span(reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size()));
        std::string decode(1, '\0'), pack(1, '\x01'); // the mode byte
        decode.append(packed.begin(), packed.end());
        pack += raw; // the packer's round trip
        seeds.push_back(decode);
        seeds.push_back(pack);
    }
    return seeds;
}

} // namespace

std::vector<std::string> SeedsFor(std::string_view target)
{
    if (target == "saved-game")
        return SavedGames();
    if (target == "transcript")
        return Transcripts();
    if (target == "ggf")
        return GgfGames();
    if (target == "profile")
        return Profiles();
    if (target == "net-session")
        return { CalleeGame(), CallerGame(), Refusals() };
    if (target == "lzh")
        return Packed();
    return {};
}
