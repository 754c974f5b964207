// Runs a dialog modally in a test: the action runs once the dialog's event loop is up, and a
// guard ends a dialog the action failed to close, so a fault shows as a wrong result, not a hang.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

constexpr int DialogLeftOpen = -99;

inline int ExecWith(QDialog& dialog, const std::function<void()>& action)
{
    QTimer::singleShot(0, &dialog, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&dialog] { dialog.done(DialogLeftOpen); });
    guard.start(5000);
    const int result = dialog.exec();
    guard.stop();
    return result;
}
