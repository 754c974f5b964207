// corvana-fuzz-seeds DIR: writes every harness's seeds to DIR/NAME/seed-NN, for libFuzzer to
// start from.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "FuzzTargets.h"
#include "SeedCorpus.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvana-fuzz-seeds DIR\n");
        return 2;
    }
    for (const FuzzTarget& target : FuzzTargets) {
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / target.Name;
        std::filesystem::create_directories(folder);
        int n = 0;
        for (const std::string& seed : SeedsFor(target.Name)) {
            char name[16];
            std::snprintf(name, sizeof name, "seed-%02d", n++);
            std::ofstream out(folder / name, std::ios::binary);
            out.write(seed.data(), std::streamsize(seed.size()));
            if (!out) {
                std::fprintf(
                    stderr, "corvana-fuzz-seeds: cannot write %s\n", (folder / name).c_str());
                return 1;
            }
        }
    }
    return 0;
}
