// Checks of what must always hold inside the program (never of outside data): a move applied is
// legal, an index stays inside its array. Debug builds stop at the first broken invariant so the
// bug is seen where it happens; release builds report it once on standard error and the caller
// goes on with a safe fallback. Tests may install their own handler to prove the fallback.
#pragma once

using InvariantHandler = void (*)(const char* what, const char* file, int line);

// Installs handler (nullptr: the build's default) and returns the previous one.
InvariantHandler SetInvariantHandler(InvariantHandler handler);

void InvariantFailed(const char* what, const char* file, int line);

// Evaluates to cond, reporting a broken invariant when it is false.
#define CORVANA_INVARIANT(cond, what) \
    (static_cast<bool>(cond) ? true : (InvariantFailed((what), __FILE__, __LINE__), false))
