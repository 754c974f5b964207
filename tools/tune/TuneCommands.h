// The commands of corvana-tune and their small argument reader.
#pragma once

#include <string>
#include <vector>

class TuneArgs {
public:
    explicit TuneArgs(std::vector<std::string> args);
    // The value of --name as a number (fallback when absent); throws std::invalid_argument.
    double Number(const std::string& name, double fallback);
    std::string Text(const std::string& name, const std::string& fallback);
    // What is left once the options are taken: the input files of fit.
    std::vector<std::string> Rest() const { return Args; }

private:
    std::vector<std::string> Args;
};

int RunGames(TuneArgs& args);
int RunFit(TuneArgs& args);
int RunFitPatterns(TuneArgs& args);
int RunInit(TuneArgs& args);
int RunCuts(TuneArgs& args);
