// corvana-cli: plays, matches, measures, solves and inspects games and resources from the command
// line.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Commands.h"

namespace {

struct Command {
    const char* Name;
    int (*Run)(CliArgs&);
    const char* Usage;
};

const Command CommandTable[] = {
    { "selfplay", RunSelfPlay,
        "selfplay [--size 8|10] [--level N] [--yellow-level N] [--green-level N] [--engine E]\n"
        "           [--yellow-engine E] [--green-engine E] [--save FILE.kpx] [--verbose]\n"
        "      the computer plays both sides (E: normal, advanced or master); prints the moves,\n"
        "      the result and the node count" },
    { "match", RunMatch,
        "match [--size 8|10] [--engine1 E] [--level1 N] [--engine2 E] [--level2 N]\n"
        "           [--eval1 V] [--eval2 V] [--depth1 D] [--depth2 D] [--openings N]\n"
        "           [--opening-moves N] [--seed S] [--threads N] [--quiet | --verbose]\n"
        "      engine 1 (master, level 5) against engine 2 (advanced, level 9) from N openings\n"
        "      of random moves (50 of 8), each with both colours; prints the score and the\n"
        "      time per move; V, the master engine's evaluation: patterns (its own) or classic\n"
        "      (the one before the pattern tables); D: a fixed depth for a master engine instead\n"
        "      of its level's time (the level still sets where it solves exactly)" },
    { "bench", RunBench,
        "bench [--level N] | bench --engine master [--level 1|5|9 | --depth N] [--threads N]\n"
        "           [--eval patterns|classic]\n"
        "           | bench --suite FILE.obf [--threads N] [--max-seconds S]\n"
        "      searches a fixed set of positions; prints each choice, the node signature and\n"
        "      speed; with --engine master the master engine's nodes per second and depth at\n"
        "      levels 1, 5 and 9 on both sizes, or with --depth its own node signature at that\n"
        "      fixed depth (one thread repeats it exactly); with --suite every position of a\n"
        "      file of endgame problems solved exactly and compared with the published best\n"
        "      score and moves (exit code 1 when one disagrees or is not finished in S s)" },
    { "solve", RunSolve,
        "solve FILE|POSITION|TRANSCRIPT [--max-empties N] [--threads N]\n"
        "      the exact result and a best line of the end of a game (saved game, transcript,\n"
        "      GGF or position file), of a position in the one-line format (\"O--OX...- X\":\n"
        "      squares a1, b1, ... by name, X Yellow, O Green, - empty, then the side to move)\n"
        "      or of a transcript such as f5d6c3d3c4 (columns a.. from the left, rows from the\n"
        "      bottom; 10 x 10 told from its squares)" },
    { "review", RunReview,
        "review FILE [--seconds S] [--exact N] [--tsv] [--ggf OUT.ggf] [--threads N]\n"
        "      values every move of a game file for the side that played it against the best\n"
        "      move (final disc differences; S seconds a position, 0.5 unless given; exact from\n"
        "      N empties, 20 on 8 x 8 and 16 on 10 x 10 unless given, 0: never); one line a move\n"
        "      (passes left out) with mistakes (losing 4 discs or more) and blunders (10 or\n"
        "      more), then a summary per side; --tsv: number, side, square, value, best square,\n"
        "      best value, loss, tab-separated; --ggf: also the game with the values as comments" },
    { "show", RunShow,
        "show FILE.kpx|FILE.txt|FILE.ggf|FILE.obf\n"
        "      prints a game (saved game, transcript, GGF or the first position of a file of\n"
        "      them), its start when it is set up and its final board, or why the file is "
        "refused" },
    { "convert", RunConvert,
        "convert IN OUT\n"
        "      writes the game of IN as OUT, each a saved game (.kpx), a transcript (.txt), GGF\n"
        "      (.ggf) or a position (.obf: where the game has got to) by its extension; checks\n"
        "      every move on the way. A game from a set-up position goes to GGF or .obf only" },
    { "render", RunRender,
        "render [--size 8|10] [--figures 0|1|2] [--position FILE.kpx [--moves N]] [--hover "
        "COL,ROW] --out "
        "FILE.png\n"
        "           [--scale S]\n"
        "      draws the board as the window shows it (the position of a saved game after N "
        "moves,\n"
        "      or at its end); S (1 to 4, decimals allowed) draws it as on a screen of S device\n"
        "      pixels to a pixel" },
    { "resources", RunResources,
        "resources --list | --extract DIR\n"
        "      lists the compiled-in resources and checks that every packed one decodes, or\n"
        "      writes each one's stored bytes to DIR/NAME.stored and a packed one's decoded\n"
        "      bytes to DIR/NAME.bin" },
    { "intro", RunIntro,
        "intro --frames N --out DIR [--from F] [--seed S]\n"
        "      plays the About window's intro and writes frames F..N-1 (F: 0 unless given) to\n"
        "      DIR/intro-NNNN.png; the seed (default 1) repeats a run exactly" },
};

void PrintUsage(std::ostream& out)
{
    out << "usage: corvana-cli COMMAND [OPTIONS]\n\ncommands:\n";
    for (const Command& c : CommandTable)
        out << "  " << c.Usage << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")
        || !std::strcmp(argv[1], "help")) {
        PrintUsage(std::cout);
        return 0;
    }
    if (!std::strcmp(argv[1], "--version") || !std::strcmp(argv[1], "-v")) {
        std::cout << "corvana-cli " << CORVANA_VERSION << "\n";
        return 0;
    }
    for (const Command& c : CommandTable) {
        if (std::strcmp(argv[1], c.Name) != 0)
            continue;
        try {
            CliArgs args(std::vector<std::string>(argv + 2, argv + argc));
            return c.Run(args);
        } catch (const UsageError& e) {
            std::cerr << "corvana-cli " << c.Name << ": " << e.what() << "\n\n";
            PrintUsage(std::cerr);
            return 2;
        }
    }
    std::cerr << "corvana-cli: unknown command " << argv[1] << "\n\n";
    PrintUsage(std::cerr);
    return 2;
}
