// The default handlers of broken invariants: abort in a debug build, report once in a release one.
#include "Invariant.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

void DefaultHandler(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "corvana: internal error: %s (%s:%d)\n", what, file, line);
#ifndef NDEBUG
    std::abort();
#endif
}

std::atomic<InvariantHandler> Handler { &DefaultHandler };

} // namespace

InvariantHandler SetInvariantHandler(InvariantHandler handler)
{
    return Handler.exchange(handler ? handler : &DefaultHandler);
}

void InvariantFailed(const char* what, const char* file, int line)
{
    Handler.load()(what, file, line);
}
