// corvana-cli bench --suite: solves every position of an endgame problem file exactly with the
// master engine and holds each result against the one the file publishes, in the file's own
// convention (empty squares of a game that ends early go to the winner). The exit code says
// whether every position was solved in time and agreed.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <thread>

#include "Commands.h"
#include "GameFiles.h"
#include "Notation.h"
#include "master/MasterEngine.h"

namespace {

// Raises a cancel flag once a number of seconds has passed, unless it is told first that the
// work is done.
class Watchdog {
public:
    Watchdog(std::atomic<bool>& flag, double seconds)
    {
        if (seconds <= 0)
            return;
        Worker = std::thread([this, &flag, seconds] {
            std::unique_lock<std::mutex> lock(Lock);
            const auto until = std::chrono::steady_clock::now()
                + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                    std::chrono::duration<double>(seconds));
            if (!Woken.wait_until(lock, until, [this] { return Done; }))
                flag.store(true);
        });
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(Lock);
            Done = true;
        }
        Woken.notify_all();
        if (Worker.joinable())
            Worker.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex Lock;
    std::condition_variable Woken;
    bool Done = false;
    std::thread Worker;
};

// The published best score and every move the file gives it to, as "A2" or "A2/C7".
struct PublishedBest {
    bool Known = false;
    int Score = 0;
    std::vector<int> Moves;
    std::string Text(int size) const
    {
        std::string t;
        for (const int m : Moves) {
            if (!t.empty())
                t += '/';
            t += MoveText(size, m);
        }
        std::transform(
            t.begin(), t.end(), t.begin(), [](unsigned char c) { return char(std::toupper(c)); });
        return t;
    }
};

PublishedBest BestOf(const std::vector<PublishedMove>& published)
{
    PublishedBest best;
    for (const PublishedMove& m : published) {
        if (!best.Known || m.Score > best.Score) {
            best.Known = true;
            best.Score = m.Score;
            best.Moves.clear();
        }
        if (m.Score == best.Score)
            best.Moves.push_back(m.Square);
    }
    return best;
}

std::string UpperMove(int size, int move)
{
    std::string t = MoveText(size, move);
    std::transform(
        t.begin(), t.end(), t.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return t;
}

} // namespace

int RunSuiteBench(const std::string& fileName, int threads, double maxSeconds)
{
    const Result<std::vector<PositionLine>> read = ReadPositionFile(fileName);
    if (!read) {
        std::cerr << "corvana-cli bench: " << read.Failure().Message << "\n";
        return 1;
    }
    const std::vector<PositionLine>& positions = read.Value();
    std::printf("%s: %zu positions, exact, %d thread%s%s\n", BaseName(fileName).c_str(),
        positions.size(), threads, threads == 1 ? "" : "s",
        maxSeconds > 0 ? (", at most " + std::to_string(int(maxSeconds)) + " s each").c_str() : "");

    master::Engine engine(64, threads);
    std::uint64_t totalNodes = 0;
    double totalSeconds = 0;
    int compared = 0, correct = 0, failures = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const PositionLine& line = positions[i];
        const GamePosition& p = line.Position;
        std::printf("%3zu (line %d) %2d empties: ", i + 1, line.LineNumber, p.Empties);
        if (p.GameOver) {
            std::printf("the game is over\n");
            continue;
        }
        master::SearchLimits limits;
        limits.SolveEmpties = p.Size * p.Size;
        limits.Threads = threads;
        limits.Rule = master::Scoring::EmptiesToWinner;
        engine.NewGame();
        std::atomic<bool> cancel { false };
        master::SearchReport r;
        {
            Watchdog watchdog(cancel, maxSeconds);
            r = engine.Search(p.Cells, p.Size, p.SideToMove, limits, &cancel);
        }
        totalNodes += r.Nodes;
        totalSeconds += r.Seconds;
        const PublishedBest best = BestOf(line.Published);
        if (best.Known)
            ++compared;
        const double nps = r.Seconds > 0 ? double(r.Nodes) / r.Seconds : 0.0;
        if (r.Cancelled || r.Solution != master::Solved::Exact) {
            ++failures;
            std::printf("UNFINISHED after %.2f s (published %+d %s)  nodes %llu\n", r.Seconds,
                best.Score, best.Text(p.Size).c_str(), static_cast<unsigned long long>(r.Nodes));
            continue;
        }
        const int score = r.Score / 100;
        std::printf("%+3d %-3s", score, UpperMove(p.Size, r.Move).c_str());
        if (best.Known) {
            const bool scoreAgrees = score == best.Score;
            const bool moveAgrees
                = std::find(best.Moves.begin(), best.Moves.end(), r.Move) != best.Moves.end();
            if (scoreAgrees && moveAgrees) {
                ++correct;
                std::printf(
                    " published %+3d %-7s agrees    ", best.Score, best.Text(p.Size).c_str());
            } else {
                ++failures;
                std::printf(" published %+3d %-7s DISAGREES (%s)", best.Score,
                    best.Text(p.Size).c_str(), !scoreAgrees ? "score" : "move");
            }
        } else {
            std::printf(" nothing published              ");
        }
        std::printf(" nodes %12llu  time %8.3f s  nodes/s %10.0f\n",
            static_cast<unsigned long long>(r.Nodes), r.Seconds, nps);
        std::fflush(stdout);
    }
    std::printf("total: nodes %llu  time %.3f s  nodes/s %.0f\n",
        static_cast<unsigned long long>(totalNodes), totalSeconds,
        totalSeconds > 0 ? double(totalNodes) / totalSeconds : 0.0);
    std::printf("correct: %d of %d\n", correct, compared);
    return failures ? 1 : 0;
}
