// The corvana-cli commands. Each returns the process exit code; a UsageError thrown from one
// prints the usage text and exits with 2.
#pragma once

#include <string>

#include "CliArgs.h"
#include "Result.h"

int RunSelfPlay(CliArgs& args);
int RunBench(CliArgs& args);
int RunShow(CliArgs& args);
int RunConvert(CliArgs& args);
int RunResources(CliArgs& args);
int RunRender(CliArgs& args);
int RunIntro(CliArgs& args);
int RunMatch(CliArgs& args);
int RunSolve(CliArgs& args);
int RunReview(CliArgs& args);

// bench --suite: every position of fileName solved exactly and held against the published
// scores; 1 when one disagrees or is not finished within maxSeconds (0: no limit).
int RunSuiteBench(const std::string& fileName, int threads, double maxSeconds);

// Says why a game file was not read: "refused:" for a file that is no valid game, "error:" for
// one that could not be read at all.
void ReportUnreadGame(const std::string& fileName, const Error& error);
