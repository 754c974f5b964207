// Broken invariants counted instead of stopping the test program, so that a test can show the
// fallback behind one and every other test can check that none broke. Used by the window and
// network tests.
#pragma once

#include "Invariant.h"

inline int InvariantFailures = 0;

inline void CountInvariantFailure(const char*, const char*, int) { ++InvariantFailures; }

// Counts broken invariants from now on.
inline void CountInvariantFailures() { SetInvariantHandler(&CountInvariantFailure); }
