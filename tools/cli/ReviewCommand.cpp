// corvana-cli review: every move of a game file valued by the master engine against the best move
// of its position, with mistakes, blunders and a summary per side; as lines, as tab-separated
// fields, or as the game in GGF with the values as comments.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "Commands.h"
#include "GameFiles.h"
#include "GgfGame.h"
#include "SafeFile.h"
#include "master/GameReview.h"

namespace {

double SecondsOf(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    const double seconds = std::strtod(text.c_str(), &end);
    if (errno != 0 || end == text.c_str() || *end != '\0' || !std::isfinite(seconds) || seconds <= 0
        || seconds > 3600)
        throw UsageError("--seconds needs a number of seconds above 0 (up to 3600)");
    return seconds;
}

// A value as the tab-separated form gives it: discs, whole where exact.
std::string Field(int value, bool exact) { return master::ReviewValueText(value, exact, false); }

} // namespace

int RunReview(CliArgs& args)
{
    master::ReviewLimits limits;
    if (const std::optional<std::string> s = args.Take("--seconds"))
        limits.SecondsPerMove = SecondsOf(*s);
    limits.ExactFromEmpties = args.TakeInt("--exact", 0, 30, -1);
    limits.Threads = args.TakeInt("--threads", 1, 64, master::Engine::DefaultThreads());
    const bool tsv = args.TakeFlag("--tsv");
    const std::optional<std::string> ggf = args.Take("--ggf");
    if (ggf && GameFileFormOf(*ggf) != GameFileForm::Ggf)
        throw UsageError("--ggf needs a file name ending in .ggf");
    const std::optional<std::string> file = args.TakePositional();
    if (!file)
        throw UsageError("review needs a game file");
    args.ExpectEnd();

    const Result<LoadedGame> read = ReadGameFile(*file);
    if (!read) {
        ReportUnreadGame(*file, read.Failure());
        return 1;
    }
    const WrittenGame& game = read.Value().Game;
    const int size = game.Start.Size;
    master::Engine engine(64, limits.Threads);
    const auto print = [&](int, int, const master::ReviewedMove& m) {
        if (tsv)
            std::printf("%d\t%s\t%s\t%s\t%s\t%s\t%s\n", m.Number,
                m.Side == SideYellow ? "Yellow" : "Green", SquareName(size, m.Square).c_str(),
                Field(m.Value, m.Exact).c_str(), SquareName(size, m.BestSquare).c_str(),
                Field(m.BestValue, m.BestExact).c_str(), master::ReviewLossText(m).c_str());
        else
            std::printf("%s\n", master::ReviewLine(m, size).c_str());
        std::fflush(stdout);
    };
    const master::GameReview review = master::ReviewGame(engine, game, limits, nullptr, print);
    if (!tsv) {
        std::printf("%s\n", master::SummaryLine(SideYellow, review.Yellow).c_str());
        std::printf("%s\n", master::SummaryLine(SideGreen, review.Green).c_str());
    }
    if (ggf) {
        GgfDetails details;
        details.MoveComments = master::ReviewComments(review, game);
        if (const Status written = WriteGameFile(*ggf, game, {}, details); !written) {
            std::cerr << "corvana-cli: error: " << written.Failure().Message << "\n";
            return 1;
        }
    }
    return 0;
}
