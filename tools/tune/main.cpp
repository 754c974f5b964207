// corvana-tune: fits the master engine's evaluation to games it plays against itself.
//   corvana-tune games --size N --games G --depth D --out FILE [--solve E] [--random-moves R]
//                      [--seed S] [--jobs J] [--eval patterns|classic]
//       self-play at a fixed depth after 2..R random moves; every position after the random
//       ones is written with the final disc difference for its side to move (exact once the
//       solver takes over at E empties)
//   corvana-tune fit --size N --out FILE.inc [--epochs E] [--l2 L] FILE...
//       least squares of the classic evaluation's weights against those results, per phase
//   corvana-tune fit-patterns --size N --out FILE.bin [--epochs E] [--l2 L] [--lambda W]
//                      [--phase-share K] [--start FILE.bin [--first-phase P] [--last-phase P]]
//                      FILE...
//       the same for the pattern evaluation: its features and tables, as the file the engine
//       compiles in (src/engine/master/PatternWeights8.bin, PatternWeights10.bin), against the
//       results blended with the search's scores (weight W of the score), K phases a table;
//       from an earlier fit, held near it, and then perhaps of phases P..P alone
//   corvana-tune init --size N --out FILE.inc
//       the hand-set weights the first round of games starts from
//   corvana-tune cuts --size N --out FILE [--from E] [--to E] [--per K] [--depth D] [--jobs J]
//                      FILE...
//       exact results beside midgame scores of depths 0..D for K positions a count of empties,
//       and the spread between them (the solver's probabilistic cut-offs are set from it)
// tools/tune/retrain.sh runs the rounds and rebuilds the engine in between.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "TuneCommands.h"

namespace {

void Usage()
{
    std::fputs("usage: corvana-tune games --size 8|10 --games G --depth D --out FILE [--solve E]\n"
               "                          [--random-moves R] [--seed S] [--jobs J]\n"
               "                          [--eval patterns|classic]\n"
               "       corvana-tune fit --size 8|10 --out FILE.inc [--epochs E] [--l2 L] FILE...\n"
               "       corvana-tune fit-patterns --size 8|10 --out FILE.bin [--epochs E] [--l2 L]\n"
               "                          [--lambda W] [--phase-share K]\n"
               "                          [--start FILE.bin [--first-phase P] [--last-phase P]]\n"
               "                          FILE...\n"
               "       corvana-tune init --size 8|10 --out FILE.inc\n"
               "       corvana-tune cuts --size 8|10 --out FILE [--from E] [--to E] [--per K]\n"
               "                          [--depth D] [--jobs J] FILE...\n",
        stderr);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        Usage();
        return 2;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        TuneArgs a(args);
        if (!std::strcmp(argv[1], "games"))
            return RunGames(a);
        if (!std::strcmp(argv[1], "fit"))
            return RunFit(a);
        if (!std::strcmp(argv[1], "fit-patterns"))
            return RunFitPatterns(a);
        if (!std::strcmp(argv[1], "init"))
            return RunInit(a);
        if (!std::strcmp(argv[1], "cuts"))
            return RunCuts(a);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "corvana-tune: %s\n", e.what());
        Usage();
        return 2;
    }
    Usage();
    return 2;
}
