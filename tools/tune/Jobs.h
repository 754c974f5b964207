// The tuner's commands that fill one output file from several threads: the workers run to the
// end, then the file is closed, and a write that failed is said rather than taken for done.
#pragma once

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

// Runs worker on jobs threads and closes out; false (after saying so) when the file could not be
// written.
template <class Worker>
bool RunJobsAndClose(int jobs, const Worker& worker, std::FILE* out, const std::string& outName)
{
    std::vector<std::thread> threads;
    for (int j = 0; j < jobs; ++j)
        threads.emplace_back(worker);
    for (std::thread& t : threads)
        t.join();
    // A flush along the way that failed leaves only the error flag: fclose may then succeed.
    const bool failed = std::ferror(out) != 0;
    if (std::fclose(out) != 0 || failed) {
        std::fprintf(stderr, "corvana-tune: cannot write %s\n", outName.c_str());
        return false;
    }
    return true;
}
