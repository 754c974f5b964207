// "Some time has passed", measured on the timers' own clock instead of by a fixed sleep: waits,
// handling events, until a reference timer of the program's kind has ticked a number of times.
// Used by the timer and About window tests to show that something did not happen meanwhile.
#pragma once

#include <QTest>

#include "AsyncTimer.h"

// At least ticks × interval ms have passed when this returns, and every tick or event posted
// before the call has been delivered.
inline void LetTimersRun(int ticks = 5, int interval = 10)
{
    TAsyncTimer reference;
    int n = 0;
    reference.OnTimer = [&](TAsyncTimer*) { ++n; };
    reference.SetInterval(std::uint16_t(interval));
    reference.SetEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(n >= ticks, 20000);
}
