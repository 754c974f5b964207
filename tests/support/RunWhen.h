// Runs a test's action from inside whatever event loop is running (a nested one too: the wait for
// the computer's move, a modal dialog) as soon as a condition holds. Used by the window and
// network tests to act "while the computer thinks" without guessing how long that takes.
#pragma once

#include <QTimer>
#include <functional>

inline void RunWhen(std::function<bool()> ready, std::function<void()> action)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, ready, action] {
        if (!ready())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start(1);
}
